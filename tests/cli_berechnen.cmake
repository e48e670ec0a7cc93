# kalumo-cli berechnen: success, a readable result file and the error exit codes.
# Included from tests/CMakeLists.txt after cli_datei.cmake (uses kalumo_cli_test).
kalumo_cli_test(cli_berechnen 0 "Sprechwünsche insgesamt: 3.*Maximal erteilbare Termine: 3.*Erteilte Termine: 3.*Erfüllte Sprechwünsche pro Elter: 100,00%"
                berechnen ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/berechnet.qvt)
set_tests_properties(cli_berechnen PROPERTIES FIXTURES_SETUP cli_berechnet)
kalumo_cli_test(cli_berechnet_lesbar 0 "Revision: 9.*Lehrer: 4.*Eltern: 4.*Zeitpläne: vorhanden"
                info ${CLI_AUS}/berechnet.qvt)
set_tests_properties(cli_berechnet_lesbar PROPERTIES FIXTURES_REQUIRED cli_berechnet)
kalumo_cli_test(cli_berechnen_defekt 1 "^Die Datei „[^“]*“ ist unvollständig oder beschädigt"
                berechnen ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/nie_berechnet.qvt)
kalumo_cli_test(cli_berechnen_ziel_fehlt 1 "^Die Datei „[^“]*berechnet.qvt“ wurde nicht gespeichert\\."
                berechnen ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/kein/ordner/berechnet.qvt)
