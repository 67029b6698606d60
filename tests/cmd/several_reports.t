# Several reports on the command line (as when they are dropped on the
# executable) are converted in the order given, each under its numbered
# line as in a batch run; a report not named stays as it is.
--- args
b_2.htm
a_1.htm
--- file a_1.htm
<title>a</title>
</HTML>
--- file b_2.htm
<title>b</title>
</HTML>
--- file c_3.htm
<title>c</title>
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: b_2.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: a_1.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outtail ar1.rtf
\pard \qj\widctlpar
}
--- outtail br2.rtf
\pard \qj\widctlpar
}
--- nofile cr3.rtf
