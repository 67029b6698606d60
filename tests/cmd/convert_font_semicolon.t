# A ";" in a font name would end its font table entry early: a report of the
# newer layout is refused as well, and no document is written.
--- exefile qvformat.ini
[FORMAT]
FontFixed="Courier New;CE"
--- args
u_1.htm
--- file u_1.htm
<title>
x
</title>
<P><center><h2>X  KALANDJAI
</h2></center>
<P>
Első nap.
</HTML>
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Beallitasi hiba: 'EXEDIR/qvformat.ini' [FORMAT] szakaszaban a FontFixed ertekeben ";" all, ami betukeszlet neveben nem allhat: elrontana a dokumentum betukeszlet-tablazatat
--- nofile ur1.rtf
--- exit 1
