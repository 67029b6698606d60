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
qvformat: Beallitasi hiba: nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) 'USERDIR/qvformat.ini' [LETOLTES] szakaszaba (a zordonvidek.example csak helykitolto); ez a fajl legyen a(z) 'EXEDIR/qvformat.ini' masolata, mert amig hianyzik, azt olvasom
--- nofile 1234_57.htm
--- exit 1
