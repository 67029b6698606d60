# A report whose first "_" stands after its first "." has no document name;
# the batch run skips it with a message instead of writing its document to
# standard output among the batch lines, and goes on.
--- args
/k
--- file v1.2_x.htm
<title>v</title>
</HTML>
--- file w_1.htm
<title>w</title>
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: v1.2_x.htm
   2. Filenev: w_1.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- stderr
qvformat: Figyelem: 'v1.2_x.htm' kimarad: nem kepezheto belole dokumentumnev, mert a neveben az elso "_" az elso "." utan all
--- outtail wr1.rtf
\pard \qj\widctlpar
}
--- nofile v1.2rx.rtf
