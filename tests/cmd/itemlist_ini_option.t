# "/ini=" names the page's settings file relative to the executable's
# directory, not the current one; the report is the last parameter.
--- args
/t
/ini=sajat.ini
a_1.htm
--- exefile sajat.ini
[FORMAT]
Kiemeles=sajat
--- exefile item.txt
5 0 0 1 2 100 kard
--- exefile spell.txt
--- file sajat.ini
[FORMAT]
Kiemeles=rossz
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
