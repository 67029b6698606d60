# CsoportokSzama asking for more than 10000 item groups is refused with a
# message naming the settings file; the page of an earlier run stays.
--- exefile qvformat.ini
[FORMAT_TARGYCSOPORT]
CsoportokSzama=2147483647
--- exefile item.txt
--- exefile spell.txt
--- args
/t
a_1.htm
--- file a_1.htm
<title>x</title>
KARAKTERLAP
</HTML>
--- file ar1.htm
régi oldal
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Beallitasi hiba: 'EXEDIR/qvformat.ini' 2147483647 targycsoportot ker (CsoportokSzama); legfeljebb 10000 keszitheto
--- outfile ar1.htm
régi oldal
--- exit 1
