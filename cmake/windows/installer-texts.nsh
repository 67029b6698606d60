; The installer's own texts, English and Hungarian. This file is UTF-8: the
; installer script includes it with /CHARSET=UTF8, and the Unicode installer
; shows the accents as written.

; The Start-menu shortcut of the Hungarian manual (NSIS.template.in).
!define MANUAL_LINK_HU "qvformat kézikönyv.lnk"

LangString PathSection ${LANG_ENGLISH} "Add the folder to my PATH"
LangString PathSection ${LANG_HUNGARIAN} "A mappa hozzáadása a PATH-hoz"

LangString StartMenuSection ${LANG_ENGLISH} "Start menu entries"
LangString StartMenuSection ${LANG_HUNGARIAN} "Bejegyzések a Start menüben"

LangString SendToSection ${LANG_ENGLISH} "Send to entries"
LangString SendToSection ${LANG_HUNGARIAN} "Bejegyzések a „Küldés célja” menüben"

LangString RemovingEarlier ${LANG_ENGLISH} "Removing the earlier install from $EarlierDir"
LangString RemovingEarlier ${LANG_HUNGARIAN} "A korábbi telepítés eltávolítása innen: $EarlierDir"

LangString PathUnreadable ${LANG_ENGLISH} \
  "Your PATH is too long for the installer to change it safely; it was left as it was.$\r$\nAdd or remove $PathFolder yourself."
LangString PathUnreadable ${LANG_HUNGARIAN} \
  "A PATH túl hosszú ahhoz, hogy a telepítő biztonságosan módosítsa; változatlan maradt.$\r$\nA(z) $PathFolder mappát kézzel vedd fel vagy töröld."
