# A font name with "}" in the settings would close the font table's group
# early and leave the document broken: the run is refused before anything is
# written, and the earlier document stays as it was.
--- exefile qvformat.ini
[FORMAT]
FontArial=Arial}CE
--- args
s_1.htm
--- file s_1.htm
<title>x</title>
<H1>X KALANDJAI</H1>
<P>
Első nap.
</HTML>
--- file sr1.rtf
{\rtf1 earlier}
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Beallitasi hiba: 'EXEDIR/qvformat.ini' [FORMAT] szakaszaban a FontArial ertekeben "}" all, ami betukeszlet neveben nem allhat: elrontana a dokumentum betukeszlet-tablazatat
--- outfile sr1.rtf
{\rtf1 earlier}
--- exit 1
