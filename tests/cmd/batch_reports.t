# The batch run takes the reports in name order; the first one is handed to
# the converter (which reports that it is not available yet).
--- args
/k
--- file x_y.htm.bak
<title>x</title>
--- file a_b.HTML
<title>x</title>
--- file 1234_56.htm
<title>x</title>
--- file 1234r56.htm
<title>x</title>
--- stdout
Indulas ideje: TIME
   1. Filenev: 1234_56.htm
--- stderr
qvformat: Not available: RTF conversion is not built yet ('1234_56.htm')
--- exit 1
