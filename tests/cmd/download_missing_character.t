# A download without a character number says so and sends nothing: the site the environment names
# refuses every connection, and a connection attempt would end the run.
# The run has failed: exit status 1.
--- args
/o
/user=Anna
/pass=titok
/ford=57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME

Nem adtal meg karakterszamot!

--- stderr
qvformat: Letoltesi hiba: a letolteshez kell /user=, /pass= (vagy QVFORMAT_PASSWORD), /kar= es /ford=
--- exit 1
