# Reports dropped on the executable from Explorer: each is converted, then
# the tool asks for Enter.
--- env
QVFORMAT_OWN_CONSOLE=1
--- args
a_1.htm
b_2.htm
--- file a_1.htm
<title>a</title>
</HTML>
--- file b_2.htm
<title>b</title>
</HTML>
--- stdin

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
Nyomj Entert a kilepeshez...
