# "/t" with "/k" builds the page of every report of the directory (a report
# without a character sheet gets a plain copy); the pages hold no "_", so
# the batch run never takes them.
--- args
/k
/t
--- exefile item.txt
5 0 0 1 2 100 kard
--- exefile spell.txt
--- file a_1.htm
<title>a</title>
KARAKTERLAP
NÁLAD LÉVŐ TÁRGYAK
<TD CLASS=tdb>1</TD>
=
(#5)
</HTML>
--- file b_2.htm
<title>b</title>
no sheet
</HTML>
--- file cr3.htm
an earlier page
--- stdout
Indulas ideje: TIME
   1. Filenev: a_1.htm
   2. Filenev: b_2.htm
Indulas ideje: TIME
Befejezes ideje: TIME
--- outfile ar1.htm
<title>a</title>
KARAKTERLAP
NÁLAD LÉVŐ TÁRGYAK
<TD CLASS=tdb>1</TD>
=
(<A HREF='http://www.zordonvidek.example/weblumen/targy_enc.php?f=tenc&ssz=5.htm' TARGET=lumentargyenc CLASS=enc0>#5</A>) [<SPAN TITLE="Súly: 1.00 kg, Eladási ár: 1 ap, Vételi ár: 2 ap" CLASS=vpkap>1.00/1</SPAN>]
</HTML>
--- outfile br2.htm
<title>b</title>
no sheet
</HTML>
--- outfile cr3.htm
an earlier page
