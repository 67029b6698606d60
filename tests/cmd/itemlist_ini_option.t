# A relative "/ini=" name is looked for in the current folder first: its
# file wins over those of the same name in the player's own folder and
# beside the tool. The report is the last parameter.
--- args
/t
/ini=sajat.ini
a_1.htm
--- file sajat.ini
[FORMAT]
Kiemeles=sajat
--- userfile sajat.ini
[FORMAT]
Kiemeles=felhasznaloi
--- exefile sajat.ini
[FORMAT]
Kiemeles=programmelletti
--- exefile item.txt
5 0 0 1 2 100 kard
--- exefile spell.txt
--- file a_1.htm
<title>a</title>
KARAKTERLAP
NÁLAD LÉVŐ TÁRGYAK
<TD CLASS=tdb>1</TD>
=
(#5)
</HTML>
--- stdout
Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas ar1.htm
CLASS=sajat>1.00/1</SPAN>]
