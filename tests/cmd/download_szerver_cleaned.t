# A Szerver value written with a scheme, "www." and a "/" is read as the plain
# domain, and the player is told which file to fix; the download goes on (here
# to a site the environment names, which refuses the connection).
--- exefile qvformat.ini
[LETOLTES]
Szerver=https://www.jatek.example/
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME

Megjegyzes: a Szerver beallitast (https://www.jatek.example/) jatek.example domainkent olvasom; javitsd ki itt: EXEDIR/qvformat.ini
--- stderr
qvformat: Halozati hiba: nem sikerult kapcsolodni (127.0.0.1, 9. port): {ECONNREFUSED}
--- nofile 1234_57.htm
--- exit 1
