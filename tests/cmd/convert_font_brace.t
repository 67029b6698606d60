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
qvformat: Settings error: FontArial in section [FORMAT] of 'EXEDIR/qvformat.ini' holds "}", which a font name cannot hold: it would break the document's font table
--- outfile sr1.rtf
{\rtf1 earlier}
--- exit 1
