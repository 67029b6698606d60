# An empty Szerver= names no site: the download stops before any network
# activity, as with the placeholder. The message names the player's own
# settings file and the one beside the tool that was read.
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
qvformat: Settings error: the game's web site is not set: write its domain as Szerver in section [LETOLTES] of 'USERDIR/qvformat.ini' (zordonvidek.example is only a placeholder); make that file a copy of 'EXEDIR/qvformat.ini', which is read while it is missing
--- nofile 1234_57.htm
--- exit 1
