# An item list beside the tool that is a device is refused by name.
--- exelink item.txt
/dev/zero
--- exefile spell.txt
--- args
/t
a_1.htm
--- file a_1.htm
<title>x</title>
KARAKTERLAP
</HTML>
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'EXEDIR/item.txt' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)
--- nofile ar1.htm
--- exit 1
