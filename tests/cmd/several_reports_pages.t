# "/t" with several reports builds the page of each, wherever the switch
# and the options stand.
--- args
a_1.htm
/ini=qvformat.ini
/t
b_2.htm
--- exefile qvformat.ini
[FORMAT]
--- exefile item.txt
--- exefile spell.txt
--- file a_1.htm
<title>a</title>
first
</HTML>
--- file b_2.htm
<title>b</title>
second
</HTML>
--- stdout
Indulas ideje: TIME
   1. Filenev: a_1.htm
   2. Filenev: b_2.htm
Indulas ideje: TIME
Befejezes ideje: TIME
--- outfile ar1.htm
<title>a</title>
first
</HTML>
--- outfile br2.htm
<title>b</title>
second
</HTML>
