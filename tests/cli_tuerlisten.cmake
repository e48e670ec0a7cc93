# kalumo-cli pdf --tuerlisten: one door sheet per teacher of the test day, read back as
# text. Included from tests/CMakeLists.txt after cli_datei.cmake and cli_verwendung.cmake.
function(kalumo_pdf_text name pdf seiten seite muster)
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DPDF=${pdf} -DSEITEN=${seiten} -DSEITE=${seite} "-DMUSTER=${muster}"
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/pdf_text_pruefen.cmake)
endfunction()

kalumo_cli_test(cli_tuerlisten 0 ".*"
                pdf ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/tuerlisten.pdf --tuerlisten --schule "Schule am See")
set_tests_properties(cli_tuerlisten PROPERTIES FIXTURES_SETUP cli_tuerlisten_pdf)
# The test day: four teachers in list order, 14:30 to 19:00 in 15-minute slots with a
# break from 16:15; "Müller (R101)" keeps hours from 16:00 and talks to "5a: Groß" first.
set(STAND "Stand: [0-3][0-9]\\.[01][0-9]\\.2[0-9][0-9][0-9], [0-2][0-9]:[0-5][0-9] Uhr")
kalumo_pdf_text(cli_tuerlisten_erste ${CLI_AUS}/tuerlisten.pdf 4 1
                "^Ärger\nRaum Aula\nSchule am See\nElternsprechtag am 12\\.02\\.\n${STAND}\nZeit Eltern Notizen\n14:30 — frei —\n14:45 — frei —\n")
kalumo_pdf_text(cli_tuerlisten_mueller ${CLI_AUS}/tuerlisten.pdf 4 3
                "^Müller\nRaum R101\nSchule am See\nElternsprechtag am 12\\.02\\.\n${STAND}\nZeit Eltern Notizen\n16:00 5a: Groß\n16:15 Pause\n16:30 Pause\n16:45 Pause\n17:00 — frei —\n")
set_tests_properties(cli_tuerlisten_erste cli_tuerlisten_mueller PROPERTIES FIXTURES_REQUIRED cli_tuerlisten_pdf)

kalumo_cli_verwendung(cli_tuerlisten_mit_lehrer 2 fehler "Nur eine dieser Optionen ist möglich: --lehrer, --eltern, --tuerlisten\nVerwendung: kalumo-cli pdf EIN.qvt AUS.pdf \\[--lehrer \\| --eltern \\| --tuerlisten\\]"
                      pdf ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/nie.pdf --tuerlisten --lehrer)
kalumo_cli_test(cli_tuerlisten_ohne_plaene 1 "Die Datei „[^“]*beispiel.qvt“ enthält keine Zeitpläne\\."
                pdf ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/nie.pdf --tuerlisten)
