# Read by cpack for each generator: the installer is qvformat-VERSION-setup.exe,
# the zip keeps qvformat-VERSION-win64.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
endif()
