# How qvformat names itself to Windows: in the version information of
# qvformat.exe and of the installer, and in the list of installed programs.
set(QV_PUBLISHER "qvformat developers")
set(QV_DESCRIPTION "qvformat: play-by-mail turn reports into RTF documents and item-list pages")
set(QV_COPYRIGHT "Copyright (C) 2026 the qvformat developers")
