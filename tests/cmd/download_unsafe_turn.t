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
qvformat: Download error: refusing the turn (/ford) '../57': it may not hold "/", "\" or control characters, nor start with "."
--- exit 1
