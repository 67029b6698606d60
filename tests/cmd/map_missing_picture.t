# Without the map pictures beside the tool the map cannot be drawn: the
# error, naming every place looked, ends the run with exit status 1, and the
# unfinished document is removed.
--- args
t_1.htm
--- exefile picture/olvass.txt
Ide kerülnek a térkép képei.
--- file t_1.htm from old_layout_header old_layout_teleport
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="3,2,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
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
qvformat: Kephiba: tenger.bmp nem talalhato; kerestem itt: 'USERDIR/picture/tenger.bmp', 'EXEDIR/picture/tenger.bmp'
--- nofile tr1.rtf
--- exit 1
