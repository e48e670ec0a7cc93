# kalumo-cli: help on stdout with status 0; calls it cannot make sense of print the usage
# on stderr with status 2, apart from failures of the work itself (status 1).
# Included from tests/CMakeLists.txt after cli_datei.cmake.
function(kalumo_cli_verwendung name rc strom muster)
  if(strom STREQUAL "aus")
    set(pruefung "-DAUS_MUSTER=${muster}" -DFEHLER_LEER=1)
  else()
    set(pruefung "-DFEHLER_MUSTER=${muster}" -DAUS_LEER=1)
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli> "-DARGS=${ARGN}" -DRC=${rc}
                   ${pruefung} -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_aufruf.cmake)
endfunction()

set(ALLGEMEIN "^Verwendung: kalumo-cli BEFEHL.*Befehle:.*kalumo-cli info DATEI.qvt")
kalumo_cli_verwendung(cli_hilfe_lang 0 aus "${ALLGEMEIN}" --help)
kalumo_cli_verwendung(cli_hilfe_kurz 0 aus "${ALLGEMEIN}" -h)
kalumo_cli_verwendung(cli_ohne_befehl 2 fehler "${ALLGEMEIN}")
kalumo_cli_verwendung(cli_unbekannter_befehl 2 fehler "^Unbekannter Befehl: zaubern\n\nVerwendung: kalumo-cli BEFEHL" zaubern)
kalumo_cli_verwendung(cli_info_ohne_datei 2 fehler "^Verwendung: kalumo-cli info DATEI.qvt\n$" info)
kalumo_cli_verwendung(cli_info_zwei_dateien 2 fehler "^Verwendung: kalumo-cli info" info a.qvt b.qvt)
kalumo_cli_verwendung(cli_konvertieren_ohne_ziel 2 fehler "^Verwendung: kalumo-cli konvertieren EIN.qvt AUS.qvt\n$"
                      konvertieren ${CLI_DATEN}/sprechtag.qvt)
kalumo_cli_verwendung(cli_berechnen_ohne_ziel 2 fehler "^Verwendung: kalumo-cli berechnen EIN.qvt AUS.qvt\n$"
                      berechnen ${CLI_DATEN}/sprechtag.qvt)
kalumo_cli_verwendung(cli_vorschau_unbekannte_option 2 fehler "^Unbekannte Option: --bunt\nVerwendung: kalumo-cli vorschau"
                      vorschau ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/nie.txt --bunt)
kalumo_cli_verwendung(cli_pdf_zwei_umfaenge 2 fehler "Verwendung: kalumo-cli pdf EIN.qvt AUS.pdf"
                      pdf ${CLI_DATEN}/sprechtag.qvt ${CLI_AUS}/nie.pdf --lehrer --eltern)
