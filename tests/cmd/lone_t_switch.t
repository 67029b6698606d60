# "/t" alone is taken for a report named /t, which cannot be opened.
--- args
/t
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: I/O error: cannot open '/t': No such file or directory
--- exit 1
