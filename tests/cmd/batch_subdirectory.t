# A subdirectory named like a report is taken by the batch run and fails as
# a report that cannot be opened; the reports before it are converted, and
# the run ends there without the end line.
--- args
/k
--- file 1234_56.htm
<title>x</title>
</HTML>
--- dir q_r.htm
--- file x_y.htm
<title>x</title>
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: 1234_56.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: q_r.htm
--- stderr
qvformat: Fajlhiba: 'q_r.htm' nem nyithato meg: mappa, nem fajl
--- nofile xry.rtf
--- exit 1
