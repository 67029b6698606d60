# A pattern that matches no file ends the run before it starts, naming the
# pattern; nothing is written.
--- args
/t
*_9.htm
--- file a_1.htm
<title>a</title>
--- stderr
qvformat: Parancssori hiba: egy fajl sem illeszkedik erre: '*_9.htm'
--- exit 1
--- listing
a_1.htm
