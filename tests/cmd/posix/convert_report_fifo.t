# A named pipe given as the report is refused at once instead of waiting
# for a writer (or, once one comes, reading forever).
--- fifo r_1.htm
--- args
r_1.htm
--- stdout
Indulas ideje: TIME
--- stderr
qvformat: Fajlhiba: 'r_1.htm' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)
--- nofile rr1.rtf
--- exit 1
