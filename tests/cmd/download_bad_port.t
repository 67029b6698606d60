# QVFORMAT_PORT must be a port number.
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=443x
--- stdout
Indulas ideje: TIME

--- stderr
qvformat: Beallitasi hiba: a QVFORMAT_PORT erteke 1 es 65535 kozotti portszam legyen, nem '443x'
--- exit 1
