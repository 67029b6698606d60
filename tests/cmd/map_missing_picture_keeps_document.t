# A tile missing beside the tool ends the run while the map is drawn; the
# document of an earlier run stays as it was and no temporary file is left.
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
--- file tr1.rtf
{\rtf1 earlier document}
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: TELEPORT             El.
   Teleportalasrol terkep keszites...
--- stderr
qvformat: Kephiba: tenger.bmp nem talalhato; kerestem itt: 'USERDIR/picture/tenger.bmp', 'EXEDIR/picture/tenger.bmp'
--- outfile tr1.rtf
{\rtf1 earlier document}
--- listing
t_1.htm
tr1.rtf
--- exit 1
