# One item seen twice with 2147483647 pieces and five more in the bank: the
# group table counts 2 * 2147483647 + 5 = 4294967299 pieces, the watched
# table the 4294967294 carried, with no wrap past 32 bits. The empty item
# list knows none of the items: one warning says so and where the game's
# lists belong.
--- exefile qvformat.ini
[FORMAT_TARGYCSOPORT]
CsoportokSzama=1
[CSOPORT1]
Nev=Fegyverek
Szam=120
[FORMAT_FIGYELES]
FigyeltTargyak=120>0
--- exefile item.txt
--- exefile spell.txt
--- args
/t
a_1.htm
--- file a_1.htm
<title>x</title>
KARAKTERLAP
x
y
z
NÁLAD LÉVŐ TÁRGYAK
<TD CLASS=tdb>2147483647</TD>
=
<TD><A HREF=a CLASS=enc0>kard</A> (#120)</TD>
<TD CLASS=tdb>2147483647</TD>
=
<TD><A HREF=a CLASS=enc0>kard</A> (#120)</TD>
</table>
TÁRGYAID A BANK
<TD CLASS=tdb>5</TD>
=
<TD><A HREF=a CLASS=enc0>kard</A> (#120)</TD>
</table>
</HTML>
--- stdout
Indulas ideje: TIME
Befejezes ideje: TIME
--- stderr
qvformat: Figyelem: a targylista ('EXEDIR/item.txt') a jelentes egyik targyat sem ismeri, igy a targyak melle nem kerult suly es ar; a program melletti listak csak a mintajelentesek targyait ismerik; a jatek teljes listait (item.txt, spell.txt) tedd ebbe a mappaba: 'USERDIR/'
--- outhas ar1.htm
<TR>
<TD CLASS=tdb> 4294967294 </TD>
<TD CLASS=teq> </TD>
<TD><A HREF=a CLASS=enc0>kard</A> (#120) [>0] (bankban: 5)</TD>
--- outhas ar1.htm
<TD COLSPAN=9> Fegyverek</TD>
</TR>
<TR>
<TD CLASS=tdb> 4294967299 </TD>
