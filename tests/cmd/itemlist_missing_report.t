# "/t" with a report that is gone ends the run; the page of an earlier run
# stays as it was.
--- args
/t
x_1.htm
--- exefile item.txt
--- exefile spell.txt
--- file xr1.htm
<title>x</title>
an earlier page
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: I/O error: cannot open 'x_1.htm': No such file or directory
--- outfile xr1.htm
<title>x</title>
an earlier page
--- exit 1
--- listing
xr1.htm
