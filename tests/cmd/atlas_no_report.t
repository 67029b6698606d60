# A run that reads no report writes nothing and ends with status 1: "/kar="
# keeps only character 2's reports, and the pattern names only character 1's.
--- args
/atlasz
1_4*.htm
/kar=2
--- file 1_45.htm from old_layout_header
</HTML>
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fordulo hiba: az atlaszhoz egy fordulojelentes sem olvashato; atlasz.txt nem valtozott
--- listing
1_45.htm
--- exit 1
