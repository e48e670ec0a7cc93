# kalumo-cli against hostile paths: devices, FIFOs, folders, links to devices, missing
# folders, a full disk and a failing flush. Included from tests/CMakeLists.txt after
# cli_datei.cmake (uses CLI_DATEN and CLI_AUS).
function(kalumo_cli_feindlich name art stoerung muster)
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli> -DDIR=${CLI_AUS}/${name} "-DARGS=${ARGN}"
                   -DART=${art} -DSTOERUNG=${stoerung} -DRC=1 "-DMUSTER=${muster}"
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_feindlich.cmake)
  set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "ÜBERSPRUNGEN")
endfunction()

set(KEINE_NORMALE "„[^“]*ziel“ ist keine normale Datei\\.")
set(NICHT_GESPEICHERT "Die Datei „[^“]*ziel“ wurde nicht gespeichert\\. ")
set(UNVERAENDERT " Eine vorhandene Datei dieses Namens ist unverändert\\.")
set(SPRECHTAG ${CLI_DATEN}/sprechtag.qvt)

# Reading: no device is read, no FIFO blocks.
kalumo_cli_feindlich(cli_lesen_dev_zero keins keine "„/dev/zero“ ist keine normale Datei\\." info /dev/zero)
kalumo_cli_feindlich(cli_lesen_fifo fifo keine "${KEINE_NORMALE}" info %ZIEL%)
kalumo_cli_feindlich(cli_lesen_link_urandom link_urandom keine "${KEINE_NORMALE}" konvertieren %ZIEL% %DIR%/aus.qvt)
kalumo_cli_feindlich(cli_lesen_ordner ordner keine "${KEINE_NORMALE}" berechnen %ZIEL% %DIR%/aus.qvt)

# Writing: only a missing target or a regular file is written.
kalumo_cli_feindlich(cli_schreiben_ordner ordner keine
                     "${NICHT_GESPEICHERT}Das Ziel ist ein Ordner, keine normale Datei\\.${UNVERAENDERT}"
                     konvertieren ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_schreiben_fifo fifo keine "${NICHT_GESPEICHERT}Das Ziel ist keine normale Datei\\.${UNVERAENDERT}"
                     vorschau ${SPRECHTAG} %ZIEL% --alle)
kalumo_cli_feindlich(cli_schreiben_geraet geraet keine "${NICHT_GESPEICHERT}Das Ziel ist keine normale Datei\\.${UNVERAENDERT}"
                     konvertieren ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_schreiben_link_null link_null keine "${NICHT_GESPEICHERT}Das Ziel ist keine normale Datei\\.${UNVERAENDERT}"
                     pdf ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_schreiben_ordner_fehlt ordner_fehlt keine
                     "${NICHT_GESPEICHERT}Den Ordner „[^“]*fehlt“ gibt es nicht\\.${UNVERAENDERT}"
                     berechnen ${SPRECHTAG} %ZIEL%)

# A full disk and a failed flush are failed saves; the old file stays.
set(VOLL "${NICHT_GESPEICHERT}Die Datei wird größer, als das System erlaubt\\.${UNVERAENDERT}")
set(FLUSH "${NICHT_GESPEICHERT}Die Daten konnten nicht sicher auf den Datenträger gebracht werden\\. Der Datenträger meldet einen Ein-/Ausgabefehler[^\n]*${UNVERAENDERT}")
kalumo_cli_feindlich(cli_konvertieren_voll regulaer voll "${VOLL}" konvertieren ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_vorschau_voll regulaer voll "${VOLL}" vorschau ${SPRECHTAG} %ZIEL% --alle)
kalumo_cli_feindlich(cli_konvertieren_flush regulaer flush "${FLUSH}" konvertieren ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_berechnen_flush regulaer flush "${FLUSH}" berechnen ${SPRECHTAG} %ZIEL%)
kalumo_cli_feindlich(cli_vorschau_flush regulaer flush "${FLUSH}" vorschau ${SPRECHTAG} %ZIEL% --alle)
kalumo_cli_feindlich(cli_pdf_flush regulaer flush "${FLUSH}" pdf ${SPRECHTAG} %ZIEL%)
