# Until the settings name the game's site, a download stops before any
# network activity, with a message on standard error naming the player's own
# settings file and the places looked; nothing is written.
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=57
--- stdout
Indulas ideje: TIME

--- stderr
qvformat: Settings error: the game's web site is not set: write its domain as Szerver in section [LETOLTES] of 'USERDIR/qvformat.ini' (zordonvidek.example is only a placeholder); no settings file was found there or at 'EXEDIR/qvformat.ini'
--- nofile 1234_57.htm
--- exit 1
