# A qvformat.ini that is a directory ends the conversion with a message
# naming it; the document of an earlier run stays as it was.
--- exedir qvformat.ini
--- args
s_1.htm
--- file s_1.htm
<title>x</title>
<H1>X KALANDJAI</H1>
</HTML>
--- file sr1.rtf
régi dokumentum
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'EXEDIR/qvformat.ini' nem nyithato meg: mappa, nem fajl
--- outfile sr1.rtf
régi dokumentum
--- exit 1
