# kalumo-cli on small data files: success and error exit codes of "info" and
# "konvertieren". Included from tests/CMakeLists.txt.
set(CLI_DATEN ${CMAKE_CURRENT_SOURCE_DIR}/daten)
set(CLI_AUS ${CMAKE_CURRENT_BINARY_DIR}/cli_ausgabe)
file(MAKE_DIRECTORY ${CLI_AUS})
# What stderr says when tests/daten/termine_fehlend.qvt is loaded: the names it had to
# clean, each with a visible symbol for its control character rather than the raw one.
set(STEUERZEICHEN_HINWEIS "^In der Datei „[^“]*termine_fehlend.qvt“ enthielten Namen Steuerzeichen \\(etwa Zeilenumbrüche\\); sie wurden durch Leerzeichen ersetzt\\.\n„Linde␊Klasse 8 \\(C3\\)“ → „Linde Klasse 8 \\(C3\\)“\n„8a: Zeilen␊Umbruch“ → „8a: Zeilen Umbruch“\nSpeichern Sie den Tag")

function(kalumo_cli_test name rc muster)
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli> "-DARGS=${ARGN}" -DRC=${rc}
                   "-DMUSTER=${muster}" -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)
endfunction()

kalumo_cli_test(cli_info 0 "Revision: 9.*Lehrer: 4.*Eltern: 4.*Sprechwünsche: 3.*Ablehnungen: 2.*Geschwister-Verknüpfungen: 1.*Pausen: 2.*Zeitpläne: vorhanden"
                info ${CLI_DATEN}/sprechtag.qvt)
# A hand-built file: the smallest day and a block holding one short name ("A" is "AB").
kalumo_cli_test(cli_info_zusatzblock 0 "Lehrer: 1.*Zusatzblock: Version 1\n  Lehrerkürzel: 1\n  Schülernummern: 0\n  Unterricht: 0"
                info ${CLI_DATEN}/zusatzblock.qvt)
kalumo_cli_test(cli_info_abgeschnitten 1 "^Die Datei „[^“]*abgeschnitten.qvt“ ist unvollständig oder beschädigt und wurde nicht geladen\\. Die Daten brechen vorzeitig ab\\." info ${CLI_DATEN}/abgeschnitten.qvt)
kalumo_cli_test(cli_info_fehlt 1 "^Die Datei „[^“]*gibt_es_nicht.qvt“ kann nicht geöffnet werden\\. Die Datei oder ihren Ordner gibt es nicht\\." info ${CLI_DATEN}/gibt_es_nicht.qvt)
kalumo_cli_test(cli_info_keine_qvt 1 "^Die Datei „[^“]*cli_aufruf.cmake“ ist keine QVT-Datei! Es können keine Daten geladen werden\\." info ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)

kalumo_cli_test(cli_konvertieren 0 "Revision 9, Inhaltsmaske 127"
                konvertieren ${CLI_DATEN}/alt_r3.qvt ${CLI_AUS}/r3_als_r9.qvt)
set_tests_properties(cli_konvertieren PROPERTIES FIXTURES_SETUP cli_konvertiert)
kalumo_cli_test(cli_konvertiert_lesbar 0 "Revision: 9.*Lehrer: 2.*Eltern: 2.*Sprechwünsche: 3.*Zeitpläne: vorhanden"
                info ${CLI_AUS}/r3_als_r9.qvt)
set_tests_properties(cli_konvertiert_lesbar PROPERTIES FIXTURES_REQUIRED cli_konvertiert)
kalumo_cli_test(cli_konvertieren_defekt 1 "^Die Datei „[^“]*“ ist unvollständig oder beschädigt"
                konvertieren ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/nie.qvt)
kalumo_cli_test(cli_konvertieren_ziel_fehlt 1 "^Die Datei „[^“]*aus.qvt“ wurde nicht gespeichert\\. Den Ordner „[^“]*ordner“ gibt es nicht\\."
                konvertieren ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/kein/ordner/aus.qvt)
