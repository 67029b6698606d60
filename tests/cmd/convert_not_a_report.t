# An empty file is no turn report: it is refused before anything is written,
# and the document of an earlier run stays as it was.
--- args
x_1.htm
--- file x_1.htm noeol

--- file xr1.rtf
{\rtf1 earlier document}
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fordulo hiba: 'x_1.htm' nem fordulo: egyik soraban sincs "<title"
--- outfile xr1.rtf
{\rtf1 earlier document}
--- exit 1
--- listing
x_1.htm
xr1.rtf
