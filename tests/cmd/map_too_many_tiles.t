# A map frame of 163 x 163 tiles (a picture of 32671 x 32667 pixels, 267 MB
# of RTF text) is refused before anything is drawn: the map error names the
# report, the run ends with exit status 1 and leaves no document.
--- args
t_1.htm
--- file t_1.htm from old_layout_header old_layout_teleport
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="163,163,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
KARAKTERLAP
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: TELEPORT             El.
   Teleportalasrol terkep keszites...
--- stderr
qvformat: Terkephiba: 't_1.htm' terkepe 163 x 163 mezos; egy terkep mindket iranyban 0-100 mezos lehet
--- nofile tr1.rtf
--- exit 1
