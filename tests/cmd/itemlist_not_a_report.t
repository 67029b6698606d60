# "/t" refuses a file without a "<title" line (here an editor's note beside
# the reports): the page of an earlier run stays as it was.
--- args
/t
x_1.htm
--- exefile item.txt
--- exefile spell.txt
--- file x_1.htm
KARAKTERLAP
NÁLAD LÉVŐ TÁRGYAK
--- file xr1.htm
<title>x</title>
an earlier page
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fordulo hiba: 'x_1.htm' nem fordulo: egyik soraban sincs "<title"
--- outfile xr1.htm
<title>x</title>
an earlier page
--- exit 1
--- listing
x_1.htm
xr1.htm
