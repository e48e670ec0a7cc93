# Desktop installation and the Debian package.
#
# The program opens "Handbuch.pdf" and "QVTDOC1.HTM" in its own folder. So the real
# program file lives in a private folder together with the manual, and bin/kalumo is a
# link to it (the program sees through the link to its real folder). kalumo-cli needs
# nothing beside it and goes straight to bin/.
include(GNUInstallDirs)

set(KALUMO_PROGRAMMORDNER lib/kalumo)

install(TARGETS kalumo RUNTIME DESTINATION ${KALUMO_PROGRAMMORDNER})
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Handbuch.pdf ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/QVTDOC1.HTM
        DESTINATION ${KALUMO_PROGRAMMORDNER})
install(TARGETS kalumo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(RELATIVE_PATH _kalumo_ziel ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KALUMO_PROGRAMMORDNER}/kalumo)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/installation)
file(CREATE_LINK ${_kalumo_ziel} ${CMAKE_BINARY_DIR}/installation/kalumo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/installation/kalumo DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalumo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalumo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/application-x-kalumo-qvt.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalumo-qvt.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/examples/beispiel.qvt DESTINATION ${CMAKE_INSTALL_DATADIR}/kalumo)

# --- Debian package: cpack -G DEB in the build folder ------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalumo)
set(CPACK_PACKAGE_VENDOR "Kalumo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kalumo <hilfe@kalumo.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kalumo.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Elternsprechtag planen: Termine für Lehrer und Eltern")
# The summary above is the synopsis line; this is the long description below it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kalumo plant den Elternsprechtag einer Schule. Die Organisatorin oder der\n"
    "Organisator gibt Lehrer, Eltern und Sprechwünsche ein, dazu auf Wunsch\n"
    "Geschwister, Ablehnungen, Anwesenheitszeiten und Pausen. Kalumo zeigt vorab,\n"
    "welche Lehrer überbucht sind, druckt Vorschaulisten, berechnet die Zeitpläne\n"
    "aller Lehrer und Eltern und druckt sie aus. Mit Handbuch und Beispieltag.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Not seen by the library scan: Qt's platform plugins, the font of the pictures and plans.
set(_kalumo_laufzeit "qt6-qpa-plugins, fonts-liberation")
find_program(KALUMO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KALUMO_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_kalumo_laufzeit}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6keychain1, libicu72, libglpk40, libstdc++6, ${_kalumo_laufzeit}")
endif()
# xdg-utils: "Hilfe" asks it whether a PDF program is registered, and opens files with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info, xdg-utils")
include(CPack)

if(KALUMO_TESTS)
  find_program(KALUMO_PDFTOTEXT pdftotext)
  find_program(KALUMO_PDFFONTS pdffonts)
  if(KALUMO_PDFTOTEXT AND KALUMO_PDFFONTS)
    add_test(NAME handbuch
             COMMAND ${CMAKE_COMMAND} -DBIN=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
                     -DQUELLE=${PROJECT_SOURCE_DIR}/docs/handbuch/handbuch.md
                     -DPDFTOTEXT=${KALUMO_PDFTOTEXT} -DPDFFONTS=${KALUMO_PDFFONTS}
                     -P ${PROJECT_SOURCE_DIR}/tests/install/handbuch.cmake)
  endif()
  add_test(NAME installation
           COMMAND ${CMAKE_COMMAND} -DBAU=${CMAKE_BINARY_DIR} -DPROGRAMMORDNER=${KALUMO_PROGRAMMORDNER}
                   -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
                   -P ${PROJECT_SOURCE_DIR}/tests/install/installation.cmake)
  find_program(KALUMO_DPKG_DEB dpkg-deb)
  if(KALUMO_DPKG_DEB)
    add_test(NAME installation_deb
             COMMAND ${CMAKE_COMMAND} -DBAU=${CMAKE_BINARY_DIR} -DDPKG_DEB=${KALUMO_DPKG_DEB}
                     -DCPACK=${CMAKE_CPACK_COMMAND}
                     -P ${PROJECT_SOURCE_DIR}/tests/install/debpaket.cmake)
    set_tests_properties(installation_deb PROPERTIES TIMEOUT 300)
  endif()
endif()
