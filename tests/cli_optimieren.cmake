# kalumo-cli optimieren: success on a file with plans and on one without, a readable
# result, and the error exits. Included from tests/CMakeLists.txt after cli_datei.cmake and cli_verwendung.cmake.
kalumo_cli_test(cli_optimieren 0 "vorher +nachher.*Erteilte Termine: +[0-9]+ +[0-9]+.*Eltern mit Sprechwünschen, aber ohne Termin:.*Wartezeit der Familien, 90 %: +[0-9]+ min +[0-9]+ min.*\n[0-9.]+ Termine(, höchstens [0-9.]+ möglich| – mehr sind nicht möglich\\.)\n$"
                optimieren ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/optimiert.qvt)
set_tests_properties(cli_optimieren PROPERTIES FIXTURES_SETUP cli_optimiert)
kalumo_cli_test(cli_optimiert_lesbar 0 "Revision: 9.*Abschnitte: Lehrerliste.*Zeitpläne & Einstellungen.*Zeitpläne: vorhanden"
                info ${CLI_AUS}/optimiert.qvt)
set_tests_properties(cli_optimiert_lesbar PROPERTIES FIXTURES_REQUIRED cli_optimiert)
# The example day holds no plans: they are computed first.
kalumo_cli_test(cli_optimieren_ohne_plaene 0 "Erteilte Termine:"
                optimieren ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/beispiel_optimiert.qvt --zuege 2000)
# The thorough search on the example day.
kalumo_cli_test(cli_optimieren_gruendlich 0 "Erteilte Termine:.*\n[0-9.]+ Termine"
                optimieren ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/beispiel_gruendlich.qvt --gruendlich)
# Two processes, the same file: the same bytes.
kalumo_cli_test(cli_optimieren_zweiter_lauf 0 "Erteilte Termine:"
                optimieren ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/beispiel_optimiert_2.qvt --zuege 2000)
set_tests_properties(cli_optimieren_ohne_plaene cli_optimieren_zweiter_lauf PROPERTIES FIXTURES_SETUP cli_zwei_laeufe)
add_test(NAME cli_optimieren_gleiche_bytes
         COMMAND ${CMAKE_COMMAND} -E compare_files ${CLI_AUS}/beispiel_optimiert.qvt ${CLI_AUS}/beispiel_optimiert_2.qvt)
set_tests_properties(cli_optimieren_gleiche_bytes PROPERTIES FIXTURES_REQUIRED cli_zwei_laeufe)
kalumo_cli_test(cli_optimieren_defekt 1 "^Die Datei „[^“]*“ ist unvollständig oder beschädigt"
                optimieren ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/nie_optimiert.qvt)
kalumo_cli_test(cli_optimieren_ziel_fehlt 1 "^Die Datei „[^“]*“ wurde nicht gespeichert\\."
                optimieren ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/kein/ordner/optimiert.qvt)
kalumo_cli_verwendung(cli_optimieren_ohne_ziel 2 fehler "^Verwendung: kalumo-cli optimieren EIN.qvt AUS.qvt \\[--zuege N\\] \\[--gruendlich\\]\n$"
                      optimieren ${CLI_DATEN}/sprechtag.qvt)
kalumo_cli_verwendung(cli_optimieren_zuege_falsch 2 fehler "^Die Zahl der Züge muss eine ganze Zahl ab 0 sein.\nVerwendung: kalumo-cli optimieren"
                      optimieren ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/nie.qvt --zuege viele)
kalumo_cli_verwendung(cli_optimieren_unbekannte_option 2 fehler "^Unbekannte Option: --schnell\nVerwendung: kalumo-cli optimieren"
                      optimieren ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/nie.qvt --schnell)
