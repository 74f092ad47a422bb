# Installation under a prefix (`cmake --install`) and the Debian package (`cpack -G DEB`):
# the program, its documents in the data folder, the menu entry with its icon, the AppStream
# metadata, and the copyright and changelog files Debian expects.
include(GNUInstallDirs)
set(ZORVEK_APP_ID example.mirvela.Zorvek)
set(ZORVEK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS zorvek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for Doc/ beside itself, then in share/zorvek of its prefix.
install(DIRECTORY ${ZORVEK_DOC_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/zorvek)
install(FILES ${ZORVEK_PACKAGING}/${ZORVEK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZORVEK_PACKAGING}/${ZORVEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${ZORVEK_PACKAGING}/icons/zorvek-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ZORVEK_APP_ID}.png)
endforeach()
install(FILES ${ZORVEK_PACKAGING}/icons/zorvek.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZORVEK_APP_ID}.svg)

# Debian keeps the copyright as it stands and the changelog compressed without a time stamp.
set(ZORVEK_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${ZORVEK_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9nc ${ZORVEK_PACKAGING}/changelog > ${ZORVEK_CHANGELOG}
  DEPENDS ${ZORVEK_PACKAGING}/changelog
  VERBATIM)
add_custom_target(zorvek_changelog ALL DEPENDS ${ZORVEK_CHANGELOG})
install(FILES ${ZORVEK_PACKAGING}/copyright ${ZORVEK_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zorvek)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvek)
set(CPACK_PACKAGE_VENDOR Mirvela)
set(CPACK_PACKAGE_CONTACT "Mirvela <packages@mirvela.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "health self-assessment with questionnaires and recommendations")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Zorvek is a health self-assessment program in Russian: five health programs with short\n"
  "questionnaires, results with the ratings of earlier runs, a conclusion and recommendations\n"
  "with documents and a printable prescription sheet. Profiles stay on the computer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system's plug-in is not a library the program links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.mirvela.example/")
include(CPack)
