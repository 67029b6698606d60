# A small report of the newer layout: the header's right column starts on
# the separator line, "(Továbbmész...)" gets its own paragraph, the console
# shows 45 characters of a long order, and the contact list puts each entry
# in a paragraph of its own. The encyclopedia heading follows the list
# without a paragraph of its own.
--- args
u_1.htm
--- file u_1.htm from new_layout_header
<P>
Első nap.<p>(Továbbmész...)
<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS="p" WIDTH=170>MOZGÁS</TD><TD CLASS="p"> Észak felé, ahol egy nagyon hosszú út vezet a hegyekbe.</TD></TR></TABLE>
<P>NEKIK ÍRHATSZ
<TABLE><tr><td class="t0">Lista</td></tr><tr><td class="t1">Kelemen (1201)
</td></tr><tr><td class="t1">Villő (1460)
</table></td></tr></table>
ENCYCLOPEDIA FANTASIA
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: MOZGÁS               Észak felé, ahol egy nagyon hosszú út vezet a
Nekik irhatsz lista...
Encyclopedia Fantasia...
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas ur1.rtf
{\cs16\b\f6\fs20\lang1033 > 46. forduló }
--- outhas ur1.rtf
{\f11\fs23 KALANDOZÓ: Árny (1)\par 
{\f11\fs16 Extra forduló: 1 db} 
Extra forduló: 1 db\par 
}
--- outhas ur1.rtf
{\f5\fs36 ÁRNY KALANDJAI}
--- outtail ur1.rtf
\pard \qj\widctlpar
\qj Első nap.
\par

\par

(Továbbmész...)

\par 
\par\trowd
\cellx2000
\cellx10200
\keep\keepn\widctlpar\intbl
{\fs20\f4\b MOZGÁS}\cell
\keep\keepn\widctlpar\intbl
{\fs20\f4\b Észak felé, ahol egy nagyon hosszú út vezet a hegyekbe.}\cell
\row
\pard
\par
********** Nekik írhatsz: *******************************************************************************\par\ql
Kelemen (1201) \par
Villő (1460)\par
******************************************************************************************************\par
\par\f4{\qj\keep\keepn\widctlpar {\b\fs20 ENCYCLOPEDIA FANTASIA}}
{\par\pard\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par}
 
{\pard\widctlpar\fs2\par}
}
