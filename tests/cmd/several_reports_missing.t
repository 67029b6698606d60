# Among several reports a name that is missing fails in its turn as it
# would alone: the run ends there with exit status 1, the documents before
# it written, the reports after it left alone.
--- args
a_1.htm
nincs_2.htm
c_3.htm
--- file a_1.htm
<title>a</title>
</HTML>
--- file c_3.htm
<title>c</title>
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: a_1.htm

RTF Fejlec keszites
RTF file keszitese sikeresen befejezodott!

   2. Filenev: nincs_2.htm
--- stderr
qvformat: Fajlhiba: 'nincs_2.htm' nem nyithato meg: {ENOENT}
--- outtail ar1.rtf
\pard \qj\widctlpar
}
--- nofile cr3.rtf
--- exit 1
