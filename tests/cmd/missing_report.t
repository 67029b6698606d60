# A report that does not exist ends the run: the error on standard error,
# exit status 1, and no end line.
--- args
nincs_1.htm
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'nincs_1.htm' nem nyithato meg: {ENOENT}
--- exit 1
