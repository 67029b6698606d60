# The batch run takes every name with "_" and ".HTM" (any case, anywhere) in
# name order and converts it; "1234r56.htm" is passed over. Output names keep
# the literal rule: ".HTML" becomes ".rtfl".
--- args
/k
--- file x_y.htm.bak
<title>x</title>
</HTML>
--- file a_b.HTML
<title>x</title>
</HTML>
--- file 1234_56.htm
<title>x</title>
</HTML>
--- file 1234r56.htm
<title>x</title>
--- stdout
Indulas ideje: TIME
   1. Filenev: 1234_56.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: a_b.HTML

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   3. Filenev: x_y.htm.bak

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outtail 1234r56.rtf
\pard \qj\widctlpar
}
--- outtail arb.rtfl
\pard \qj\widctlpar
}
--- outtail xry.rtf.bak
\pard \qj\widctlpar
}
