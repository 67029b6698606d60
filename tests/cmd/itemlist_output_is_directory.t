# A directory stands where the item-list page goes: the run ends with the
# error and leaves no temporary file behind.
--- args
/t
x_1.htm
--- exefile item.txt
--- exefile spell.txt
--- file x_1.htm
<title>x</title>
KARAKTERLAP
--- dir xr1.htm
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: I/O error: cannot write 'xr1.htm': Is a directory
--- exit 1
--- listing
x_1.htm
xr1.htm
