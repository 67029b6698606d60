# Install rules and the Debian package.
#
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake     (qvformat_VERSION_ARCH.deb, prefix /usr)
#
# The tool finds its settings and data files beside the real path of the
# executable (/proc/self/exe, links resolved), so the executable lives in a
# directory of its own, lib/qvformat/, with qvformat.ini, item.txt, spell.txt
# and picture/, and bin/ gets a link to it. A player's own files go to
# ~/.config/qvformat/ and ~/.local/share/qvformat/ (platform/user_dirs.h, config/file_places.h).
include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: under /usr that names the multiarch library
# directory, and this is a program's private directory.
set(QV_INSTALL_DIR lib/qvformat)
install(TARGETS qvformat DESTINATION ${QV_INSTALL_DIR})
# The settings, the sample lists (stand-ins for the game's real ones) and the
# map pictures: each is installed only where there is none yet, so that files
# edited in place are never overwritten by a later install. file(INSTALL)
# puts DESTDIR in front of its destination itself; the check must add it.
set(QV_KEPT_FILES qvformat.ini ${QV_DATA_FILES})
foreach(picture IN LISTS QV_PICTURES)
  list(APPEND QV_KEPT_FILES picture/${picture})
endforeach()
install(CODE "
  foreach(file ${QV_KEPT_FILES})
    set(target \"\${CMAKE_INSTALL_PREFIX}/${QV_INSTALL_DIR}/\${file}\")
    if(NOT EXISTS \"\$ENV{DESTDIR}\${target}\")
      get_filename_component(dir \"\${target}\" DIRECTORY)
      file(INSTALL \"${PROJECT_SOURCE_DIR}/assets/\${file}\" DESTINATION \"\${dir}\")
    endif()
  endforeach()
")
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"../${QV_INSTALL_DIR}/qvformat\"
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/qvformat\" SYMBOLIC)
")

# The man pages, compressed as Debian keeps them (gzip -n: the same bytes at
# every build): the English one, the default, and the Hungarian one
# (doc/qvformat.hu.1, UTF-8) in man/hu/, which "man -L hu qvformat" and a
# Hungarian locale show.
set(QV_MAN_PAGE ${CMAKE_BINARY_DIR}/qvformat.1.gz)
set(QV_MAN_PAGE_HU ${CMAKE_BINARY_DIR}/man-hu/qvformat.1.gz)
foreach(page IN ITEMS "qvformat.1;${QV_MAN_PAGE}" "qvformat.hu.1;${QV_MAN_PAGE_HU}")
  list(GET page 0 source)
  list(GET page 1 output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND sh -c "mkdir -p \"$(dirname \"$1\")\" && gzip -9 -n -c \"$0\" >\"$1\""
            ${PROJECT_SOURCE_DIR}/doc/${source} ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/${source}
    COMMENT "Compressing doc/${source}"
    VERBATIM)
endforeach()
add_custom_target(qv_man_page ALL DEPENDS ${QV_MAN_PAGE} ${QV_MAN_PAGE_HU})
install(FILES ${QV_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QV_MAN_PAGE_HU} DESTINATION ${CMAKE_INSTALL_MANDIR}/hu/man1)
install(FILES ${PROJECT_SOURCE_DIR}/doc/qvformat.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME qvformat)
# The sample reports, to try the tool on (the man page's examples use them).
file(GLOB QV_SAMPLE_REPORTS ${PROJECT_SOURCE_DIR}/examples/*.htm)
install(FILES ${QV_SAMPLE_REPORTS} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The Debian package. Library dependencies come from dpkg-shlibdeps, but for
# those loaded when first needed; the font of the map labels is found
# through fontconfig at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qvformat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "qvformat developers <qvformat@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "turns play-by-mail game reports into RTF documents and item-list pages")
set(CPACK_PACKAGE_DESCRIPTION
    "qvformat rewrites the HTML turn reports (Windows-1250) of a Hungarian play-by-mail
fantasy game into printable RTF documents with maps, builds annotated HTML item-list
pages from them and downloads turns from the game's web site over HTTPS.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libssl is loaded only for a download, fontconfig and FreeType only to draw
# map labels, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libfontconfig1, libfreetype6, libssl3")
# The download needs the system's trusted authorities; xdg-open opens the page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ca-certificates, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
