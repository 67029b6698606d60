# Started from Explorer, a run that fails asks for Enter too, after its
# error, so that the message can be read; the exit status stays 1.
--- env
QVFORMAT_OWN_CONSOLE=1
--- args
nincs_1.htm
--- stdin

--- stdout
Indulas ideje: TIME
Nyomj Entert a kilepeshez...
--- stderr
qvformat: Fajlhiba: 'nincs_1.htm' nem nyithato meg: {ENOENT}
--- exit 1
