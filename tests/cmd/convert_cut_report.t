# A report cut short (no closing </html>) is converted, but its document
# never replaces the one made from the whole report: it goes beside it.
--- args
t_1.htm
--- file t_1.htm from old_layout_header
<P>
Köd
--- file tr1.rtf
{\rtf1 the document of the whole report}
--- stdout
Indulas ideje: TIME
A fordulo csonka (nincs zaro </html>), a korabbi kimenet megmarad, az uj: tr1-csonka.rtf

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outfile tr1.rtf
{\rtf1 the document of the whole report}
--- outhas tr1-csonka.rtf
{\rtf1\ansi\ansicpg1250\uc1 \deff0\deflang1033\deflangfe1038
--- listing
t_1.htm
tr1-csonka.rtf
tr1.rtf
