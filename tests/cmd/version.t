--- args
--version
--- stdout
qvformat 0.1.0
