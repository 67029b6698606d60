# A "/ini=" file found nowhere is an error naming the places looked, in
# order; no page is written.
--- args
/t
/ini=nincs.ini
a_1.htm
--- exefile item.txt
5 0 0 1 2 100 kard
--- exefile spell.txt
--- file a_1.htm
<title>a</title>
KARAKTERLAP
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Beallitasi hiba: a /ini= beallitasfajlja ('nincs.ini') nem talalhato; kerestem az aktualis mappaban, majd itt: 'USERDIR/nincs.ini', 'EXEDIR/nincs.ini'
--- exit 1
--- listing
a_1.htm
