# Without an item list anywhere the page cannot be built: the error names
# every place looked, the player's own folder first, and no page is written.
--- args
/t
a_1.htm
--- file a_1.htm
<title>a</title>
KARAKTERLAP
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: sem item.txt, sem items.txt nem talalhato; kerestem itt: 'USERDIR/item.txt', 'USERDIR/items.txt', 'EXEDIR/item.txt', 'EXEDIR/items.txt'
--- exit 1
--- listing
a_1.htm
