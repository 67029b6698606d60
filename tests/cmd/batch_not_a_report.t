# In a batch run a file that is no turn report fails like any report that
# cannot be converted: the run ends there with exit status 1; the documents
# before it are written and the earlier document of the refused file stays.
--- args
/k
--- file a_1.htm
<title>a</title>
</HTML>
--- file b_2.htm
<html><body>nem fordulo</body></html>
--- file br2.rtf
{\rtf1 earlier document}
--- file c_3.htm
<title>c</title>
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: a_1.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: b_2.htm
--- stderr
qvformat: Fordulo hiba: 'b_2.htm' nem fordulo: egyik soraban sincs "<title"
--- outtail ar1.rtf
\pard \qj\widctlpar
}
--- outfile br2.rtf
{\rtf1 earlier document}
--- nofile cr3.rtf
--- exit 1
