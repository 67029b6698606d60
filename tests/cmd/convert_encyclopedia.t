# Encyclopedia notes of the older layout, after order results without a
# contact list: the heading gets a "\par" of its own; a note's first "<BR>"
# goes, the second splits it into two paragraphs, the third goes.
--- args
e_1.htm
--- file e_1.htm
<title>x</title>
<H1>X KALANDJAI</H1>
<P>
Köd.
<TABLE CLASS=par><TR><TD WIDTH=150>A</TD><TD>b</TD></TR></TABLE>
<CENTER>ENCYCLOPEDIA FANTASIA</CENTER>
<TABLE><TR><TD><B>Hágó</B><BR>Magas   hágó.</TD></TR>
</TABLE>
<TR><TD><B>Tó</B><BR>Első rész.<BR>Második rész.<BR>Vége.</TD></TR>
</TABLE>
KARAKTERLAP
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: A                    b
Encyclopedia Fantasia...
Karakterlap...
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas er1.rtf
\row
\pard
\par\par\f4{\qj\keep\keepn\widctlpar {\b\fs20 ENCYCLOPEDIA FANTASIA}}
{\par\pard\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par}
\pard\keep\keepn\sb120\widctlpar HágóMagas hágó.
{\par\pard\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par}
\pard\keep\keepn\sb120\widctlpar TóElső rész.
\par\pard\qj\widctlpar Második rész.Vége.
{\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par}
--- outtail er1.rtf
\keep\keepn\widctlpar\intbl
\cell
\cell
\cell
\cell
\row
\pard
\f4\fs20
\par\pard\qj \par
}
