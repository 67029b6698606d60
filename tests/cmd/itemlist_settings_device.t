# "/ini=" naming a device is refused by name instead of being read forever.
--- args
/t
/ini=/dev/zero
a_1.htm
--- exefile item.txt
--- exefile spell.txt
--- file a_1.htm
<title>x</title>
KARAKTERLAP
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: I/O error: cannot open '/dev/zero': not a regular file
--- nofile ar1.htm
--- exit 1
