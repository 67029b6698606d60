# A report that cannot be read (here a directory) ends the run before
# anything is written: the document of an earlier run stays as it was.
--- args
x_1.htm
--- dir x_1.htm
--- file xr1.rtf
{\rtf1 earlier document}
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'x_1.htm' nem nyithato meg: mappa, nem fajl
--- outfile xr1.rtf
{\rtf1 earlier document}
--- exit 1
--- listing
x_1.htm
xr1.rtf
