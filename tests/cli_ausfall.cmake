# kalumo-cli ausfall on the example day with computed plans: the lists for each kind of
# drop-out, a readable result and the phone list, and the error exits.
# Included from tests/CMakeLists.txt after cli_datei.cmake and cli_verwendung.cmake.
kalumo_cli_test(cli_ausfall_vorbereiten 0 "Erteilte Termine:"
                berechnen ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/ausfall_ein.qvt)
set_tests_properties(cli_ausfall_vorbereiten PROPERTIES FIXTURES_SETUP cli_ausfall_ein)

kalumo_cli_test(cli_ausfall_ganz 0 "^Ahornbrink \\(B20\\) fällt ganz aus\\.\nNeue Sprechzeit: keine\n.*Termine verlegt \\(0\\):.*Termine abgesagt \\(20\\):\n  15:00  Ahornbrink \\(B20\\) – 13c: Ginsterrode, Folkert\n.*Eltern mit geändertem Zeitplan"
                ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/ausfall_ganz.qvt --lehrer "ahornbrink (b20)" --ganz
                --csv ${CLI_AUS}/ausfall_ganz.csv)
kalumo_cli_test(cli_ausfall_bis 0 "bleibt nur bis 16:00\\.\nNeue Sprechzeit: 15:00 bis 16:00\n.*Termine bleiben \\(5\\):"
                ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/ausfall_bis.qvt --lehrer "Ahornbrink (B20)" --bis 16:00)
set_tests_properties(cli_ausfall_bis PROPERTIES FIXTURES_SETUP cli_ausfall_aus)
kalumo_cli_test(cli_ausfall_ab 0 "kommt erst ab 17:00\\.\nNeue Sprechzeit: 17:00 bis 19:00\n"
                ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/ausfall_ab.qvt --lehrer "Ahornbrink (B20)" --ab 17)
kalumo_cli_test(cli_ausfall_lesbar 0 "Revision: 9.*Zeitpläne: vorhanden" info ${CLI_AUS}/ausfall_bis.qvt)
set_tests_properties(cli_ausfall_lesbar PROPERTIES FIXTURES_REQUIRED cli_ausfall_aus)
# German typing of the time: a dot, or hours and minutes run together.
foreach(zeit 16.00 1600)
  kalumo_cli_test(cli_ausfall_bis_${zeit} 0 "bleibt nur bis 16:00\\.\nNeue Sprechzeit: 15:00 bis 16:00\n"
                  ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/ausfall_bis_${zeit}.qvt --lehrer "Ahornbrink (B20)" --bis ${zeit})
  set_tests_properties(cli_ausfall_bis_${zeit} PROPERTIES FIXTURES_REQUIRED cli_ausfall_ein)
endforeach()
set_tests_properties(cli_ausfall_ganz cli_ausfall_bis cli_ausfall_ab PROPERTIES FIXTURES_REQUIRED cli_ausfall_ein)

kalumo_cli_test(cli_ausfall_ohne_plaene 1 "^„[^“]*beispiel.qvt“: Es liegen keine gültigen Zeitpläne vor\\."
                ausfall ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/nie.qvt --lehrer "Ahornbrink (B20)")
kalumo_cli_test(cli_ausfall_unbekannt 1 "^„[^“]*“: Die Lehrkraft „Niemand“ gibt es nicht\\."
                ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/nie.qvt --lehrer Niemand)
kalumo_cli_test(cli_ausfall_nichts_faellt_aus 1 "beginnt ohnehin erst um 15:00\\."
                ausfall ${CLI_AUS}/ausfall_ein.qvt ${CLI_AUS}/nie.qvt --lehrer "Ahornbrink (B20)" --ab 14:30)
set_tests_properties(cli_ausfall_unbekannt cli_ausfall_nichts_faellt_aus PROPERTIES FIXTURES_REQUIRED cli_ausfall_ein)
kalumo_cli_test(cli_ausfall_defekt 1 "^Die Datei „[^“]*“ ist unvollständig oder beschädigt"
                ausfall ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/nie.qvt --lehrer X)

kalumo_cli_verwendung(cli_ausfall_ohne_lehrer 2 fehler "^Bitte die Lehrkraft mit --lehrer NAME angeben\\.\nVerwendung: kalumo-cli ausfall EIN.qvt AUS.qvt --lehrer NAME \\[--ab HH:MM \\| --bis HH:MM \\| --ganz\\]"
                      ausfall a.qvt b.qvt --ganz)
kalumo_cli_verwendung(cli_ausfall_zwei_arten 2 fehler "^Nur eine dieser Optionen ist möglich: --ab, --bis, --ganz\nVerwendung:"
                      ausfall a.qvt b.qvt --lehrer X --ganz --bis 16:00)
kalumo_cli_verwendung(cli_ausfall_zeit_falsch 2 fehler "^--bis: „25:00“ ist keine gültige Uhrzeit[^\n]*\nVerwendung:"
                      ausfall a.qvt b.qvt --lehrer X --bis 25:00)
kalumo_cli_verwendung(cli_ausfall_zeit_fehlt 2 fehler "^Der Option --ab fehlt ihr Wert\\.\nVerwendung:"
                      ausfall a.qvt b.qvt --lehrer X --ab)
kalumo_cli_verwendung(cli_ausfall_ohne_ziel 2 fehler "^Verwendung: kalumo-cli ausfall" ausfall a.qvt --lehrer X)
kalumo_cli_verwendung(cli_ausfall_unbekannte_option 2 fehler "^Unbekannte Option: --morgen\nVerwendung:"
                      ausfall a.qvt b.qvt --lehrer X --morgen)

# The day and the call list together or not at all: a call list that cannot be written
# (in place and to a new file), a day that cannot be written, a disk that takes the list
# but not the day; the lists are printed in every case.
foreach(fall csv_vor_ort csv_neu tag_ziel voll gelingt_vor_ort csv_ist_ein)
  add_test(NAME cli_ausfall_alles_oder_nichts_${fall}
           COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli> -DEIN=${CLI_AUS}/ausfall_ein.qvt
                   -DDIR=${CLI_AUS}/ausfall_${fall} -DFALL=${fall}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_ausfall_alles_oder_nichts.cmake)
  set_tests_properties(cli_ausfall_alles_oder_nichts_${fall} PROPERTIES FIXTURES_REQUIRED cli_ausfall_ein)
endforeach()

# A day whose names hold line breaks: the lists name the teacher and the family as
# cleaned on load, and stderr says what was cleaned (STEUERZEICHEN_HINWEIS from
# cli_datei.cmake).
add_test(NAME cli_ausfall_steuerzeichen
         COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli>
                 "-DARGS=ausfall;${CLI_DATEN}/termine_fehlend.qvt;${CLI_AUS}/ausfall_steuerzeichen.qvt;--lehrer;Linde Klasse 8 (C3);--ganz"
                 -DRC=0 "-DFEHLER_MUSTER=${STEUERZEICHEN_HINWEIS}"
                 "-DAUS_MUSTER=^Linde Klasse 8 \\(C3\\) fällt ganz aus\\..*Termine abgesagt \\(1\\):\n  15:30  Linde Klasse 8 \\(C3\\) – 8a: Zeilen Umbruch\n.*Eltern mit geändertem Zeitplan \\(1\\):\n  8a: Zeilen Umbruch\n$"
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)
