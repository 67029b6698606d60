# A report name without "_" sends the document to standard output; every
# console line of the run then goes to standard error.
--- args
fordulo.htm
--- file fordulo.htm
<title>x</title>
<H1>ÁRNY KALANDJAI</H1>
<P>
Köd.
</HTML>
--- stderr
Indulas ideje: TIME

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- stdout tail
{\f5\fs36 ÁRNY KALANDJAI}
\par\pard {\f5\fs36\par}
\pard \qj\widctlpar
\qj Köd.
}
