# A turn that would lead out of the current directory is refused before
# anything is sent or written.
--- args
/o
/user=Anna
/pass=titok
/kar=1234
/ford=../57
--- env
QVFORMAT_HOST=127.0.0.1
QVFORMAT_PORT=9
--- stdout
Indulas ideje: TIME

--- stderr
qvformat: Letoltesi hiba: a fordulo (/ford) ('../57') nem hasznalhato: nem allhat benne "/", "\", ":", "*", "?", "<", ">", "|", idezojel vagy vezerlokarakter, es nem kezdodhet "." karakterrel
--- exit 1
