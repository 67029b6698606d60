# A directory stands where the document goes: the finished document cannot
# take its name, the run ends with the error, no success is announced, and
# neither the directory nor a temporary file is left changed or behind.
--- args
x_1.htm
--- file x_1.htm
<title>x</title>
</HTML>
--- dir xr1.rtf
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
--- stderr
qvformat: Fajlhiba: 'xr1.rtf' nem irhato: mappa, nem fajl
--- outfile x_1.htm
<title>x</title>
</HTML>
--- exit 1
--- listing
x_1.htm
xr1.rtf
