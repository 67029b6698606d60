# "/t" alone is taken for a report named /t, which cannot be opened. A name
# without "_" would send the document to standard output, so the console
# is on standard error from the start.
--- args
/t
--- stderr
Indulas ideje: TIME
qvformat: Fajlhiba: '/t' nem nyithato meg: {ENOENT}
--- exit 1
