# A download whose "/ini=" file is found nowhere stops before it connects
# (the site the environment names refuses every connection) and writes
# nothing.
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=57
/ini=nincs.ini
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Beallitasi hiba: a /ini= beallitasfajlja ('nincs.ini') nem talalhato; kerestem az aktualis mappaban, majd itt: 'USERDIR/nincs.ini', 'EXEDIR/nincs.ini'
--- exit 1
--- listing
