# A subdirectory named like a report is taken by the batch run and fails as
# a report that cannot be opened; other names are passed over.
--- args
/k
--- dir q_r.htm
--- file 1234r56.htm
<html>
--- file notes_1.txt
x
--- stdout
Indulas ideje: TIME
   1. Filenev: q_r.htm
--- stderr
qvformat: I/O error: cannot open 'q_r.htm': Is a directory
--- exit 1
