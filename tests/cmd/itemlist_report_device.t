# A report that is a device (here a link to /dev/zero) is refused instead
# of being read forever; no page is written.
--- link d_1.htm
/dev/zero
--- exefile item.txt
--- exefile spell.txt
--- args
/t
d_1.htm
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: I/O error: cannot open 'd_1.htm': not a regular file
--- nofile dr1.htm
--- exit 1
