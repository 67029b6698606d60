# A kept atlasz.txt that cannot be read ends the run with status 1 and stays
# as it was; so does a run that reads no report ("/kar=" keeps none here).
--- args
/atlasz
1_4*.htm
/kar=2
--- file 1_45.htm from old_layout_header
</HTML>
--- file atlasz.txt
qvformat atlasz 1
cella	1	2
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'atlasz.txt' nem olvashato atlaszfajl, hibas a 2. sora; a fajl valtozatlan
--- outfile atlasz.txt
qvformat atlasz 1
cella	1	2
--- exit 1
