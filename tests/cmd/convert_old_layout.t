# A small report of the older layout: header columns, opening story, two
# order results (the second, a "*" entry, continues the first without a
# blank paragraph), the narrative between them, and the document end.
--- args
t_1.htm
--- file t_1.htm from old_layout_header
<P>
Első <b>nap</b>.
<TABLE CLASS=par><TR><TD WIDTH=150>MOZGÁS</TD><TD>Észak felé.</TD></TR></TABLE>
Köd.
<TABLE CLASS=par><TR><TD WIDTH=150>* 2. BP:</TD><TD>Erő</TD></TR></TABLE>
KARAKTERLAP
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: MOZGÁS               Észak felé.
Parancs: * 2. BP:             Erő
Karakterlap...
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas tr1.rtf
{\cs16\b\f6\fs20\lang1033 > 45. forduló }
--- outhas tr1.rtf
{\f11\fs23 Betáplálva: 2026.\par 
3. JÁTÉKHETED, 45. FORDULÓD\par 

\column}
--- outhas tr1.rtf
{\f11\fs23 KALANDOZÓ: Árny (1)\par 
SZÁMLA   : 5 Ft\par 
}
--- outhas tr1.rtf
{\f5\fs36 ÁRNY KALANDJAI}
--- outhas tr1.rtf
\pard \qj\widctlpar
\qj Első {\b nap}.

\par 
\par\trowd
\cellx2000
\cellx10200
\keep\keepn\widctlpar\intbl
{\fs20\f4\b MOZGÁS}\cell
\keep\keepn\widctlpar\intbl
{\fs20\f4\b Észak felé.}\cell
\row
\pard
\qj Köd.
\par\trowd
\cellx2000
\cellx10200
\keep\keepn\widctlpar\intbl
{\fs20\f4\b * 2. BP:}\cell
\keep\keepn\widctlpar\intbl
{\fs20\f4\b Erő}\cell
\row
\pard
--- outtail tr1.rtf
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
