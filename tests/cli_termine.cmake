# kalumo-cli termine: the hand-built day of tests/daten/termine.qvt against a golden list
# written by hand, the calendar files checked by Python's icalendar (a reader independent
# of ours), a computed example day on the day clocks go forward, and the error exits.
# Included from tests/CMakeLists.txt after cli_datei.cmake and cli_verwendung.cmake.
find_program(KALUMO_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
set(TERMINE_AUS ${CLI_AUS}/termine)

add_test(NAME cli_termine_aufraeumen COMMAND ${CMAKE_COMMAND} -E rm -rf ${TERMINE_AUS})
set_tests_properties(cli_termine_aufraeumen PROPERTIES FIXTURES_SETUP cli_termine_leer)

kalumo_cli_test(cli_termine_knifflig 0
                "^5 Termine nach „[^“]*knifflig/Termine.csv“ und 3 Kalenderdateien in den Ordner „[^“]*knifflig/Kalender“ exportiert\\. 1 Zeilen in Elternplänen"
                termine ${CLI_DATEN}/termine.qvt ${TERMINE_AUS}/knifflig --datum 2026-10-25)
kalumo_cli_test(cli_termine_vorbereiten 0 "Erteilte Termine:"
                berechnen ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/termine_beispiel.qvt)
set_tests_properties(cli_termine_knifflig cli_termine_vorbereiten PROPERTIES FIXTURES_REQUIRED cli_termine_leer)
set_tests_properties(cli_termine_knifflig PROPERTIES FIXTURES_SETUP cli_termine_knifflig)
set_tests_properties(cli_termine_vorbereiten PROPERTIES FIXTURES_SETUP cli_termine_ein)
kalumo_cli_test(cli_termine_beispiel 0 "^[0-9]+ Termine nach .* [0-9]+ Kalenderdateien"
                termine ${CLI_AUS}/termine_beispiel.qvt ${TERMINE_AUS}/beispiel --datum 2026-03-29)
set_tests_properties(cli_termine_beispiel PROPERTIES FIXTURES_REQUIRED cli_termine_ein FIXTURES_SETUP cli_termine_beispiel)

# A day whose names hold line breaks (an entry and a teacher) and one plan line with a time
# that does not exist: every readable talk is exported, the missing one is named with its
# reason, and the exit status says the export is incomplete.
kalumo_cli_test(cli_termine_fehlend 1
                "^7 Termine nach .* 4 Kalenderdateien .* 1 Termine der Elternpläne fehlen im Export: „5c: Özdemir, Jürgen“: „25:10 Uhr: Schulz“, weil es die Uhrzeit „25:10“ nicht gibt\\..*Der Export ist unvollständig: 1 Termine der Elternpläne fehlen"
                termine ${CLI_DATEN}/termine_fehlend.qvt ${TERMINE_AUS}/fehlend --datum 2027-03-28)
set_tests_properties(cli_termine_fehlend PROPERTIES FIXTURES_REQUIRED cli_termine_leer FIXTURES_SETUP cli_termine_fehlend)

# The same day: stderr names what loading cleaned (STEUERZEICHEN_HINWEIS, cli_datei.cmake).
add_test(NAME cli_termine_steuerzeichen_hinweis
         COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli>
                 "-DARGS=termine;${CLI_DATEN}/termine_fehlend.qvt;${TERMINE_AUS}/steuerzeichen;--datum;2027-03-28"
                 -DRC=1 "-DFEHLER_MUSTER=${STEUERZEICHEN_HINWEIS}.*Der Export ist unvollständig"
                 "-DAUS_MUSTER=^7 Termine nach " -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)
set_tests_properties(cli_termine_steuerzeichen_hinweis PROPERTIES FIXTURES_REQUIRED cli_termine_leer)

add_test(NAME cli_termine_csv_golden
         COMMAND ${CMAKE_COMMAND} -E compare_files ${CLI_DATEN}/termine_erwartet.csv ${TERMINE_AUS}/knifflig/Termine.csv)
set_tests_properties(cli_termine_csv_golden PROPERTIES FIXTURES_REQUIRED cli_termine_knifflig)
if(KALUMO_DEBIAN_PYTHON)
  add_test(NAME cli_termine_ics_knifflig
           COMMAND ${KALUMO_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/termine_ics_pruefen.py
                   ${TERMINE_AUS}/knifflig 2026-10-25 10 3)
  set_tests_properties(cli_termine_ics_knifflig PROPERTIES FIXTURES_REQUIRED cli_termine_knifflig)
  add_test(NAME cli_termine_ics_beispiel
           COMMAND ${KALUMO_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/termine_ics_pruefen.py
                   ${TERMINE_AUS}/beispiel 2026-03-29 10)
  set_tests_properties(cli_termine_ics_beispiel PROPERTIES FIXTURES_REQUIRED cli_termine_beispiel)
  add_test(NAME cli_termine_ics_fehlend
           COMMAND ${KALUMO_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/termine_ics_pruefen.py
                   ${TERMINE_AUS}/fehlend 2027-03-28 10 4)
  set_tests_properties(cli_termine_ics_fehlend PROPERTIES FIXTURES_REQUIRED cli_termine_fehlend)
  # On a machine in German time, on both days the clocks change: the calendar must keep
  # the times of Termine.csv (an hour off before, when built as midnight plus seconds).
  foreach(datum 2027-03-28 2027-10-31)
    kalumo_cli_test(cli_termine_berlin_${datum} 0 "^[0-9]+ Termine nach .* [0-9]+ Kalenderdateien"
                    termine ${CLI_AUS}/termine_beispiel.qvt ${TERMINE_AUS}/berlin_${datum} --datum ${datum})
    set_tests_properties(cli_termine_berlin_${datum} PROPERTIES ENVIRONMENT "TZ=Europe/Berlin"
                         FIXTURES_REQUIRED cli_termine_ein FIXTURES_SETUP cli_termine_berlin_${datum})
    add_test(NAME cli_termine_ics_berlin_${datum}
             COMMAND ${KALUMO_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/termine_ics_pruefen.py
                     ${TERMINE_AUS}/berlin_${datum} ${datum} 10)
    set_tests_properties(cli_termine_ics_berlin_${datum} PROPERTIES FIXTURES_REQUIRED cli_termine_berlin_${datum})
  endforeach()
else()
  message(WARNING "/usr/bin/python3 fehlt: die Kalenderdateien werden nicht geprüft (scripts/setup installiert es).")
endif()

kalumo_cli_test(cli_termine_ohne_plaene 1 "^„[^“]*beispiel.qvt“: Es liegen keine gültigen Zeitpläne vor\\."
                termine ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${TERMINE_AUS}/nie --datum 2026-03-29)
kalumo_cli_test(cli_termine_defekt 1 "^Die Datei „[^“]*“ ist unvollständig oder beschädigt"
                termine ${CLI_DATEN}/abgeschnitten.qvt ${TERMINE_AUS}/nie --datum 2026-03-29)
kalumo_cli_test(cli_termine_ziel_ist_datei 1 "^„[^“]*termine_erwartet.csv“ ist kein Ordner\\.\n$"
                termine ${CLI_DATEN}/termine.qvt ${CLI_DATEN}/termine_erwartet.csv --datum 2026-03-29)

kalumo_cli_verwendung(cli_termine_ohne_datum 2 fehler
                      "^Bitte das Datum des Elternsprechtags mit --datum JJJJ-MM-TT angeben\\.\nVerwendung: kalumo-cli termine EIN.qvt ORDNER --datum JJJJ-MM-TT\n$"
                      termine a.qvt b)
kalumo_cli_verwendung(cli_termine_datum_falsch 2 fehler "^„2026-02-30“ ist kein gültiges Datum \\(JJJJ-MM-TT\\)\\.\nVerwendung:"
                      termine a.qvt b --datum 2026-02-30)
kalumo_cli_verwendung(cli_termine_datum_deutsch 2 fehler "^„19.11.2026“ ist kein gültiges Datum"
                      termine a.qvt b --datum 19.11.2026)
kalumo_cli_verwendung(cli_termine_datum_fehlt 2 fehler "^Der Option --datum fehlt ihr Wert\\.\nVerwendung:" termine a.qvt b --datum)
kalumo_cli_verwendung(cli_termine_ohne_ordner 2 fehler "^Verwendung: kalumo-cli termine" termine a.qvt --datum 2026-03-29)
kalumo_cli_verwendung(cli_termine_unbekannte_option 2 fehler "^Unbekannte Option: --ics\nVerwendung:"
                      termine a.qvt b --datum 2026-03-29 --ics)

# senden loads like every other command: what loading cleaned goes to stderr (.eml files,
# no server; the day has no addresses, so nothing is written). Not anchored: without
# XDG_RUNTIME_DIR Qt's keyring access writes a line of its own first.
add_test(NAME cli_senden_steuerzeichen_hinweis
         COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli>
                 "-DARGS=senden;${CLI_DATEN}/termine_fehlend.qvt;--an;eltern;--datum;2027-03-28;--absender;schule@example.org;--eml;${TERMINE_AUS}/senden_eml"
                 -DRC=0 "-DFEHLER_MUSTER=In der Datei „[^“]*termine_fehlend.qvt“ enthielten Namen Steuerzeichen.*„8a: Zeilen␊Umbruch“ → „8a: Zeilen Umbruch“"
                 "-DAUS_MUSTER=Ohne E-Mail-Adresse \\(4\\): .*8a: Zeilen Umbruch" -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)
set_tests_properties(cli_senden_steuerzeichen_hinweis PROPERTIES FIXTURES_REQUIRED cli_termine_leer)
