# A batch run over a directory without reports prints no entry line and the
# start line twice.
--- args
/k
--- file 1234r56.htm
<html>
--- stdout
Indulas ideje: TIME
Indulas ideje: TIME
Befejezes ideje: TIME
