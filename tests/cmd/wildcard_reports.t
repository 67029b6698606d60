# A pattern (which a command prompt hands over as typed) stands for the
# files it matches, in name order: "?" is one character, and a folder is
# no report.
--- args
*_?.htm
--- file b_2.htm
<title>b</title>
</HTML>
--- file a_1.htm
<title>a</title>
</HTML>
--- file c_10.htm
<title>c</title>
</HTML>
--- dir d_4.htm
--- file e_5.txt
x
--- stdout
Indulas ideje: TIME
   1. Filenev: a_1.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: b_2.htm

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
--- nofile cr10.rtf
