# A download without a password says so and sends nothing: the site the environment names
# refuses every connection, and a connection attempt would end the run.
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

Befejezes ideje: TIME
