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
qvformat: Beallitasi hiba: nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) 'USERDIR/qvformat.ini' [LETOLTES] szakaszaba (a zordonvidek.example csak helykitolto); sem ott, sem itt nincs beallitasfajl: 'EXEDIR/qvformat.ini'
--- nofile 1234_57.htm
--- exit 1
