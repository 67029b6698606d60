# Settings and lists as Notepad saves them: the player's qvformat.ini in
# UTF-16 with CR line ends, item.txt in UTF-8 behind a byte-order mark (its
# first item keeps its note), spell.txt in UTF-8 without one. The smiley,
# which Windows-1250 lacks, becomes "?" with one warning naming the file
# and the line.
--- args
/t
1234_57.htm
--- userfile qvformat.ini utf16 cr
[FORMAT_FIGYELES]
FigyeltSpellek=55
[FORMAT_TARGYCSOPORT]
CsoportokSzama=1
[CSOPORT1]
Nev=Páncélok és ékszerek
Szam=120
--- exefile item.txt bom
120 3 1 10 20 80 rozsdás tőr
--- exefile spell.txt utf8
55 V 1 1 2 éjjellátás ☺
--- file 1234_57.htm
<title>Jelentés</title>
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
</HTML>
--- stdout
Indulas ideje: TIME
Befejezes ideje: TIME
--- stderr
qvformat: Figyelem: 'EXEDIR/spell.txt' 1. soraban olyan betu all, amely nincs meg a Windows-1250 kodlapban: "?" lett belole
--- outhas 1234r57.htm
<TD COLSPAN=3> éjjellátás ? (#55)</TD>
--- outhas 1234r57.htm
<TD COLSPAN=9> Páncélok és ékszerek</TD>
--- outhas 1234r57.htm
(<A HREF='http://www.zordonvidek.example/weblumen/targy_enc.php?f=tenc&ssz=120.htm' TARGET=lumentargyenc CLASS=enc0>#120</A>) [<SPAN TITLE="Súly: 0.80 kg, Eladási ár: 10 ap, Vételi ár: 20 ap" CLASS=vpkap>1.60/20</SPAN>]</TD>
