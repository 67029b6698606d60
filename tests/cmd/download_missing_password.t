# A download without a password says so and sends nothing: the site the environment names
# refuses every connection, and a connection attempt would end the run.
# The run has failed: exit status 1.
--- args
/o
/user=Anna
/kar=1234
/ford=57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME

Nem adtal meg jelszot!

--- stderr
qvformat: Letoltesi hiba: a letolteshez kell /user=, /pass= (vagy QVFORMAT_PASSWORD), /kar= es /ford=
--- exit 1
