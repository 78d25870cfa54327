# What `cmake --install` puts where, and the Debian package that CPack makes
# of it (scripts/package.sh).

install(TARGETS kestrow kestrow-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Not the .utf8.txt sources: the program reads the code page 932 files.
install(FILES ${PROJECT_SOURCE_DIR}/res/sample/Kestrow.txt ${PROJECT_SOURCE_DIR}/res/sample/ClrList.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrow/sample)

if(UNIX AND NOT APPLE)
  # The menu entry and the software centres' record, named by the application id.
  foreach(file desktop metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/res/linux/kestrow.${file}.in
      ${PROJECT_BINARY_DIR}/res/linux/${KESTROW_APP_ID}.${file} @ONLY)
  endforeach()
  install(FILES ${PROJECT_BINARY_DIR}/res/linux/${KESTROW_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_BINARY_DIR}/res/linux/${KESTROW_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/kestrow_${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${KESTROW_APP_ID}.png)
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrow)
set(CPACK_PACKAGE_CONTACT "Kestrow developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checklist of the quests of an online game")
# The package's long description; CPack puts the summary above it.
set(CPACK_PACKAGE_DESCRIPTION "Kestrow reads a quest catalogue (Kestrow.txt) and the player's \
list of cleared quests (ClrList.txt), both Shift_JIS text, shows the quests of an area or a \
category with their state, lets the player tick them cleared and saves the list. Its texts \
are Japanese. kestrow-cli does the same from the command line. A sample catalogue is in \
/usr/share/kestrow/sample.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link decide the dependencies (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese glyphs for the window, and Qt's own buttons and menus in Japanese
# (the program looks for qtbase_ja in Qt's translations folder).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Where the package puts the files is where the programs were told they are
# installed (the data folder depends on it); scripts/package.sh sets /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
