# A character number with ":" (on Windows "C:" names a folder of drive C:,
# "1234:x" an alternate stream) is refused before anything is sent or
# written, on every system.
--- args
/o
/user=Anna
/pass=titok
/kar=C:
/ford=57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME

--- stderr
qvformat: Letoltesi hiba: a karakterszam (/kar) ('C:') nem hasznalhato: nem allhat benne "/", "\", ":", "*", "?", "<", ">", "|", idezojel vagy vezerlokarakter, es nem kezdodhet "." karakterrel
--- listing
--- exit 1
