# "/t" builds the item-list page of the last parameter: the style line behind
# "</style>", the watched table behind the sheet's title, the group table
# before the item table's last three lines, and a link and a note behind
# every item number.
--- args
/t
1234_57.htm
--- exefile qvformat.ini
[FORMAT]
TargyEncLink=http://lap.example/t?
[FORMAT_FIGYELES]
FigyeltSpellek=55
[FORMAT_TARGYCSOPORT]
CsoportokSzama=1
[CSOPORT1]
Nev=Fegyverek
Szam=120
--- exefile item.txt
120 3 1 10 20 80 rozsdás tőr
--- exefile spell.txt
55 V 1 1 2 éjjellátás
--- file 1234_57.htm
<title>Jelentés</title>
<head><style>p {}</style></head>
<H2>KARAKTERLAP</H2>
<P>
<TABLE>
<TR><TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD></TR>
<TR>
<TD CLASS=tdb> 2 </TD>
<TD CLASS=teq>=</TD>
<TD><A HREF="#t120" CLASS=enc0>rozsdás tőr</A> (#120)</TD>
</TR>
</table>
vége
</HTML>
--- stdout
Indulas ideje: TIME
Befejezes ideje: TIME
--- outfile 1234r57.htm
<title>Jelentés</title>
<head><style>p {}</style></head>
<style type="text/css">A.trinigan {color: blue; font-style: normal;} DIV.klap {width: 1000px;} TD.fa {text-align: center; border: #EEEEEE 1px solid; font-size: 13px;} TD.fa A {font-style: normal;} TD.fa_aktiv {color: #168001;} TD.fa_fejl {color: #272f97;}</style>
<H2>KARAKTERLAP</H2>
<CENTER><DIV CLASS=klap><TABLE>
<TR CLASS=tfej>
<TD COLSPAN=9>FIGYELT TÁRGYAK ÉS VARÁZSLATOK</TD>
</TR>
<TR CLASS=tfej2>
<TD COLSPAN=9>Figyelt varázslatok</TD>
</TR>
<TR>
<TD COLSPAN=3> éjjellátás (#55)</TD>
<TD COLSPAN=3>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>
<TD COLSPAN=3>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>
</TR>
</TABLE>
</DIV></CENTER><P>

<TABLE>
<TR CLASS=tfej>
<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>
</TR>
<TR CLASS=tfej2>
<TD COLSPAN=9> Fegyverek</TD>
</TR>
<TR>
<TD CLASS=tdb> 2 </TD>
<TD CLASS=teq> </TD>
<TD> <A HREF="#t120" CLASS=enc0>rozsdás tőr</A> (#120) </TD>
<TD CLASS=tdb></TD>
<TD CLASS=teq></TD>
<TD></TD>
<TD CLASS=tdb></TD>
<TD CLASS=teq></TD>
<TD></TD>
</TR>
</TABLE>
<P>
<P>
<TABLE>
<TR><TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD></TR>
<TR>
<TD CLASS=tdb> 2 </TD>
<TD CLASS=teq>=</TD>
<TD><A HREF="#t120" CLASS=enc0>rozsdás tőr</A> (<A HREF='http://lap.example/t?f=tenc&ssz=120.htm' TARGET=lumentargyenc CLASS=enc0>#120</A>) [<SPAN TITLE="Súly: 0.80 kg, Eladási ár: 10 ap, Vételi ár: 20 ap" CLASS=vpkap>1.60/20</SPAN>]</TD>
</TR>
</table>
vége
</HTML>
