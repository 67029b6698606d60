# A teleport map in a report of the newer layout: one applet parameter a
# line, the cells end at "</table></center>", the legend at "<! end of map>".
# A 2 x 1 map is 471 x 267 pixels; its file would be 16210 bytes, whose
# tenth multiple is past the last offset: nine dots.
--- args
u_1.htm
--- file u_1.htm from new_layout_header
<P>
Első nap.
<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS="p" WIDTH=170>TELEPORT</TD><TD CLASS="p"> El.</TD></TR></TABLE>
<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>
<center><table><tr><td>
<applet code="Terkep.class" width=471 height=267>
<param name=koord value="2,1,5,7;">
<param name=p1 value="0,0,6,0,1;">
<param name=p2 value="0,1,8,3,0;">
</applet>
</td></tr></table></center>
(5,7) Város<br>
(6,7) Erdő<br>
<! end of map>
ENCYCLOPEDIA FANTASIA
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: TELEPORT             El.
   Teleportalasrol terkep keszites...
      A Terkep merete: 471x267 pixel
         Terkep Konvertalas -> RTF .........
Encyclopedia Fantasia...
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas ur1.rtf noeol
{\f5\fs36\qc\keep\keepn A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED{\f5\fs20\par\par}}
{\f11\fs20    }{\f4\fs20\ql\keep\keepn\b A sátorral jelölt mező a teleportálás pozícióját mutatja.\par\par}
{\pict\wmetafile8\picw3768\pich2136 010009000003
--- outhas ur1.rtf
\ql\keep\keepn\widctlpar\intbl
(5,7) 
\cell
\ql\keep\keepn\widctlpar\intbl\qj
Város 
\cell
\row
\trowd
\cellx800
\cellx10200
\ql\keep\keepn\widctlpar\intbl
(6,7) 
\cell
\ql\keep\keepn\widctlpar\intbl\qj
Erdő 
\cell
\row
\pard\par
