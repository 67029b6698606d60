# Eight maps of the largest size, 100 x 100 tiles: the first is drawn (48 MB
# of picture data), the second would take the document past its 64 MB of
# pictures and is refused. The run ends with exit status 1 and the document
# of an earlier run stays.
--- args
t_1.htm
--- file t_1.htm from old_layout_header old_layout_teleport
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="100,100,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
KARAKTERLAP
</HTML>
--- file tr1.rtf
régi dokumentum
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: TELEPORT             El.
   Teleportalasrol terkep keszites...
      A Terkep merete: 20071x20067 pixel
         Terkep Konvertalas -> RTF ..........
   Teleportalasrol terkep keszites...
--- stderr
qvformat: Kephiba: 't_1.htm' terkepei tobb mint 64 MB kepadatot foglalnanak; a 100 x 100 mezos terkep mar nem fer bele
--- outfile tr1.rtf
régi dokumentum
--- exit 1
