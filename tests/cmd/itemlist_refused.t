# A report whose name holds no "_" would be overwritten by its own page: the
# run is refused with an error and the report stays as it was.
--- args
/t
fordulo.htm
--- exefile item.txt
--- exefile spell.txt
--- file fordulo.htm
<title>x</title>
KARAKTERLAP
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Nevhiba: 'fordulo.htm' targylista-oldala felulirna a fordulot: a neveben nincs "_"
--- outfile fordulo.htm
<title>x</title>
KARAKTERLAP
--- exit 1
