# /atlasz without names merges every report of the folder (the batch rule)
# into atlasz.txt: a line per report, a cut one passed over by name, the
# newer turn's cell wins and keeps the turn it was first seen in.
--- args
/atlasz
--- file 1_45.htm from old_layout_header
<CENTER><B>E KÖRBEN TETT LÉPÉSEID TÉRKÉPE</B></CENTER>
<CENTER> <APPLET CODE="Terkep.class"> <PARAM NAME=koord VALUE="2,1,-1,7;"> <PARAM NAME=p1 VALUE="0,0,5,2,0;"> <PARAM NAME=p2 VALUE="0,1,6,0,3;"> </APPLET></CENTER>
(-1,7) Tanya<BR>
(0,7) Város, kapu.<BR>
<P>
</HTML>
--- file 1_46.htm from new_layout_header
<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>
<applet code="Terkep.class">
<param name=koord value="1,2,0,7;">
<param name=p1 value="0,0,6,0,0;">
<param name=p2 value="1,0,2,0,0;">
</applet>
</td></tr></table></center>
(0,8) Erdőszél<br>
<! end of map>
</html>
--- file 1_47.htm from old_layout_header
<CENTER><B>E KÖRBEN TETT LÉPÉSEID TÉRKÉPE</B></CENTER>
--- file jegyzet.txt
(5,5) nem jelentes
--- stdout
Indulas ideje: TIME
Atlasz: 1_45.htm (1. karakter, 45. fordulo): 1 terkep, 2 cella, 2 hely
Atlasz: 1_46.htm (1. karakter, 46. fordulo): 1 terkep, 2 cella, 1 hely
Atlasz: 1_47.htm kimarad: csonka jelentes
Atlasz fajl: atlasz.txt
Atlasz kesz: 2 jelentes, 3 cella, 3 hely, 1 lepes; kiterjedes: (-1,7)-(0,8); megnyithato: atlasz.htm, nyomtathato: atlasz.rtf
Befejezes ideje: TIME
--- outfile atlasz.txt
qvformat atlasz 1
cella	-1	7	5	0	45	45	1
cella	0	7	6	0	45	46	1
cella	0	8	2	0	46	46	1
lepes	1	45	-1	7	2
hely	-1	7	45	1	Tanya
hely	0	7	45	1	Város, kapu.
hely	0	8	46	1	Erdőszél
--- listing
1_45.htm
1_46.htm
1_47.htm
atlasz.htm
atlasz.rtf
atlasz.txt
jegyzet.txt
