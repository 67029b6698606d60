# Settings beside the executable: section and key names are case-blind,
# values are trimmed and unquoted, "$1" is hexadecimal 1. The serif font is
# named in the font table, and combat results are bold and italic.
--- exefile qvformat.ini
; a player's settings
[Format]
  FontTimes = "Georgia CE"
HarcFelkover=1
harcdolt = $1
FontTimes = Ignored CE
--- args
s_1.htm
--- file s_1.htm
<title>x</title>
<H1>X KALANDJAI</H1>
<P>
Eltaláltad, 7 életpontot sebeztél.
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas sr1.rtf
{\f4\froman\fcharset238\fprq2 Georgia CE;}
{\f5\fswiss\fcharset238\fprq2 Arial CE;}
--- outtail sr1.rtf
\pard \qj\widctlpar
\qj Eltaláltad,{\b\i  7 életpontot sebeztél.}
}
