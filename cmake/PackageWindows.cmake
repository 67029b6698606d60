# The Windows packages, made by CPack on the cross build:
#
#   cmake --build build-win --target package
#     qvformat-VERSION-win64.zip   unpack anywhere and run qvformat.exe there
#     qvformat-VERSION-setup.exe   installs for the user who runs it (NSIS),
#                                  with PATH, Start menu and "Send to" entries
#
# Both hold the same tree, everything in one folder: the tool finds its
# settings and data files beside qvformat.exe (a player's own ones go to
# %APPDATA%\qvformat\ and %LOCALAPPDATA%\qvformat\, which neither package
# touches).
#
#   qvformat.exe, qvformat.ini, item.txt, spell.txt, picture\*.bmp
#   examples\*.htm      the sample reports
#   README.txt          the manual for Windows (doc/windows-readme.txt, CR LF)
#   kezikonyv.txt       the same manual in Hungarian (doc/kezikonyv.txt, UTF-8
#                       with a byte-order mark, CR LF)
install(TARGETS qvformat RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/qvformat.ini DESTINATION .)
foreach(file IN LISTS QV_DATA_FILES)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/${file} DESTINATION .)
endforeach()
foreach(picture IN LISTS QV_PICTURES)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/picture/${picture} DESTINATION picture)
endforeach()
file(GLOB QV_SAMPLE_REPORTS ${PROJECT_SOURCE_DIR}/examples/*.htm)
install(FILES ${QV_SAMPLE_REPORTS} DESTINATION examples)

# README.txt: the player's manual, with Windows line ends.
configure_file(${PROJECT_SOURCE_DIR}/doc/windows-readme.txt ${CMAKE_BINARY_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
# kezikonyv.txt: the Hungarian manual, with accents. Kept in doc/ as UTF-8
# with LF; shipped with a byte-order mark and CR LF, which every Notepad
# since Windows 7 reads as UTF-8.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/kezikonyv.txt)
file(READ ${PROJECT_SOURCE_DIR}/doc/kezikonyv.txt QV_MANUAL_HU)
string(ASCII 239 187 191 QV_UTF8_BOM)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/kezikonyv.txt CONTENT "${QV_UTF8_BOM}${QV_MANUAL_HU}"
     @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/kezikonyv.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME qvformat)
include(${PROJECT_SOURCE_DIR}/cmake/windows/ProductInfo.cmake)
set(CPACK_PACKAGE_VENDOR ${QV_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "turns play-by-mail game reports into RTF documents and item-list pages")
# The zip's file name and its top folder: qvformat-VERSION-win64. The
# installer's name is set per generator (cmake/windows/CPackNames.cmake).
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/windows/CPackNames.cmake)
set(CPACK_STRIP_FILES ON)
# The installer is made from our own script (cmake/windows/NSIS.template.in,
# its texts in installer-texts.nsh): a 64-bit installer into the user's
# %LOCALAPPDATA%\Programs\qvformat, with the program's icon.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
set(CPACK_QV_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/cmake/windows)
set(CPACK_QV_ICON ${PROJECT_SOURCE_DIR}/assets/qvformat.ico)
set(CPACK_QV_COPYRIGHT ${QV_COPYRIGHT})
set(CPACK_PACKAGE_INSTALL_DIRECTORY qvformat)
set(CPACK_NSIS_PACKAGE_NAME qvformat)
set(CPACK_NSIS_DISPLAY_NAME "qvformat ${PROJECT_VERSION}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)
