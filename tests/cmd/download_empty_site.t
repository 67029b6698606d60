# An empty Szerver= names no site: the download stops before any network
# activity, as with the placeholder.
--- exefile qvformat.ini
[LETOLTES]
Szerver=
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=57
--- stdout
Indulas ideje: TIME

--- stderr
qvformat: Settings error: the game's web site is not set: write its domain as Szerver in section [LETOLTES] of qvformat.ini beside the program (zordonvidek.example is only a placeholder)
--- nofile 1234_57.htm
--- exit 1
