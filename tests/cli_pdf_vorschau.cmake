# kalumo-cli pdf and vorschau: exit status, messages and the written file (pages and text of
# the PDF, bytes of the preview lists). Included from tests/CMakeLists.txt after
# cli_datei.cmake (uses CLI_DATEN and CLI_AUS).
#
# sprechtag.qvt holds four teachers (teachers' plans on DIN A6) and four parent entries
# (parents' plans on DIN A4). Only Müller (R101) has plan lines, so the default skip rules
# leave one teacher's quarter; only 5a: Groß and 7d: Übel have requests, so two parents'
# pages follow.
function(kalumo_cli_ausgabe name rc datei)
  cmake_parse_arguments(A "" "" "PRUEFEN;ARGS" ${ARGN})
  set(pruefungen)
  foreach(p IN LISTS A_PRUEFEN)
    list(APPEND pruefungen "-D${p}")
  endforeach()
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kalumo-cli> "-DARGS=${A_ARGS}" -DRC=${rc}
                   -DDATEI=${CLI_AUS}/${datei} ${pruefungen} -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_ausgabe.cmake)
endfunction()

set(SPRECHTAG ${CLI_DATEN}/sprechtag.qvt)
string(ASCII 12 FF) # pdftotext ends every page with a form feed
set(MUELLER "Zeitplan\nMüller \\(R101\\)\n")
set(GROSS "Zeitplan\n5a: Groß\n")
set(UEBEL "Zeitplan\n7d: Übel\n")
set(ELTERN_KOPF "Elternsprechtag am 12\\.02\\.\nLiebe Eltern!\nIhr persönlicher Terminplan:\n")

kalumo_cli_ausgabe(cli_pdf_alle 0 alle.pdf
  ARGS pdf ${SPRECHTAG} ${CLI_AUS}/alle.pdf
  PRUEFEN PDF_SEITEN=3
          "PDF_TEXT=^${MUELLER}Elternsprechtag am 12\\.02\\.\n16:00 Uhr: 5a: Groß\n16:15 Uhr:\n[^${FF}]*${FF}${GROSS}${ELTERN_KOPF}15:30 Uhr: \\[ Ärger \\(Aula\\) \\]\n16:00 Uhr: Müller \\(R101\\)\n[^${FF}]*${FF}${UEBEL}${ELTERN_KOPF}[^${FF}]*${FF}$")
kalumo_cli_ausgabe(cli_pdf_lehrer_schule 0 lehrer.pdf
  ARGS pdf ${SPRECHTAG} ${CLI_AUS}/lehrer.pdf --schule "Schule am See" --lehrer
  PRUEFEN PDF_SEITEN=1 "PDF_TEXT=^${MUELLER}Schule am See\nElternsprechtag am 12\\.02\\.\n16:00 Uhr")
kalumo_cli_ausgabe(cli_pdf_eltern 0 eltern.pdf
  ARGS pdf ${SPRECHTAG} ${CLI_AUS}/eltern.pdf --eltern
  PRUEFEN PDF_SEITEN=2 "PDF_TEXT=^${GROSS}[^${FF}]*${FF}${UEBEL}")
kalumo_cli_ausgabe(cli_pdf_ohne_plaene 1 ohne_plaene.pdf
  ARGS pdf ${CMAKE_SOURCE_DIR}/examples/beispiel.qvt ${CLI_AUS}/ohne_plaene.pdf
  PRUEFEN KEINE_DATEI=1 "MUSTER=Die Datei „[^“]*beispiel.qvt“ enthält keine Zeitpläne\\. Bitte berechnen Sie")
kalumo_cli_ausgabe(cli_pdf_defekt 1 defekt.pdf
  ARGS pdf ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/defekt.pdf
  PRUEFEN KEINE_DATEI=1 "MUSTER=Die Datei „[^“]*abgeschnitten.qvt“ ist unvollständig oder beschädigt")
kalumo_cli_ausgabe(cli_pdf_schule_ohne_wert 2 ohne_wert.pdf
  ARGS pdf ${SPRECHTAG} ${CLI_AUS}/ohne_wert.pdf --schule
  PRUEFEN KEINE_DATEI=1 "MUSTER=Der Option --schule fehlt ihr Wert\\.\nVerwendung: kalumo-cli pdf EIN.qvt AUS.pdf")
kalumo_cli_ausgabe(cli_pdf_ohne_ziel 2 nie.pdf
  ARGS pdf ${SPRECHTAG} --eltern
  PRUEFEN KEINE_DATEI=1 "MUSTER=Verwendung: kalumo-cli pdf EIN.qvt AUS.pdf")

# No teacher has more requests than free slots: the file is there and empty.
kalumo_cli_ausgabe(cli_vorschau_betroffene 0 betroffene.txt
  ARGS vorschau ${SPRECHTAG} ${CLI_AUS}/betroffene.txt
  PRUEFEN BYTES=0 "MUSTER=^Die Vorschaulisten wurden in der Datei [^\n]*betroffene.txt gespeichert")
# Every teacher: "KALUMO", the teacher, the stored letter ("Liebe Kollegen, „Zitat“ – € 5"
# in Windows-1252) and a form feed per teacher; Ärger (Aula) is asked for by nobody.
kalumo_cli_ausgabe(cli_vorschau_alle 0 alle.txt
  ARGS vorschau ${SPRECHTAG} ${CLI_AUS}/alle.txt --alle
  PRUEFEN SEITENVORSCHUEBE=4
          ANFANG_HEX=4b414c554d4f0d0a0d0a4c656872657228696e293a20c472676572202841756c61290d0a0d0a4c69656265204b6f6c6c6567656e2c20845a69746174932096208020350d0a0d0a0d0a0c0d0a)
kalumo_cli_ausgabe(cli_vorschau_defekt 1 defekt.txt
  ARGS vorschau ${CLI_DATEN}/abgeschnitten.qvt ${CLI_AUS}/defekt.txt --alle
  PRUEFEN KEINE_DATEI=1 "MUSTER=Die Datei „[^“]*abgeschnitten.qvt“ ist unvollständig oder beschädigt")
kalumo_cli_ausgabe(cli_vorschau_drei_dateien 2 drei.txt
  ARGS vorschau ${SPRECHTAG} ${CLI_AUS}/drei.txt ${CLI_AUS}/vier.txt
  PRUEFEN KEINE_DATEI=1 "MUSTER=^Verwendung: kalumo-cli vorschau EIN.qvt AUS.txt \\[--alle\\]")
