# Without the map pictures beside the tool the item-list page is built all
# the same: the applet stays without a picture, a warning goes to standard
# error, and the exit status is 0.
--- args
/t
t_1.htm
--- exefile picture/olvass.txt
Ide kerülnek a térkép képei.
--- exefile item.txt
120 3 1 10 20 80 rozsdás tőr
--- exefile spell.txt
55 V 1 1 2 éjjellátás
--- file t_1.htm
<title>x
</title>
<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>
<center><table><tr><td>
<applet code="Terkep.class" width=271 height=267>
<param name=koord value="1,1,10,8;">
<param name=p1 value="0,0,5,0,1;">
</applet>
</td></tr></table></center>
(10,8) Falu<br>
</HTML>
--- stdout
Indulas ideje: TIME
Befejezes ideje: TIME
--- stderr
qvformat: Figyelem: 't_1.htm' targylista-oldalan egy terkep kep nelkul marad: Kephiba: tenger.bmp nem talalhato; kerestem itt: 'USERDIR/picture/tenger.bmp', 'EXEDIR/picture/tenger.bmp'
--- outfile tr1.htm
<title>x
</title>
<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>
<center><table><tr><td>
<applet code="Terkep.class" width=271 height=267>
<param name=koord value="1,1,10,8;">
<param name=p1 value="0,0,5,0,1;">
</applet>
</td></tr></table></center>
(10,8) Falu<br>
</HTML>
--- exit 0
