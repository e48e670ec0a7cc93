# The manual beside the program: readable text with umlauts in the intended font, every
# chapter present, every picture really photographed, and an HTML page that needs no
# other file.
# cmake -DBIN=... -DQUELLE=... -DPDFTOTEXT=... -DPDFFONTS=... -P handbuch.cmake

function(pruefe bedingung text)
  cmake_language(EVAL CODE "if(${bedingung})\nelse()\n  message(FATAL_ERROR \"\${text}\")\nendif()")
endfunction()

set(pdf "${BIN}/Handbuch.pdf")
set(html "${BIN}/QVTDOC1.HTM")
pruefe("EXISTS \"${pdf}\" AND EXISTS \"${html}\"" "Handbuch.pdf oder QVTDOC1.HTM fehlt in ${BIN}")

execute_process(COMMAND "${PDFTOTEXT}" -enc UTF-8 "${pdf}" - OUTPUT_VARIABLE text RESULT_VARIABLE r)
pruefe("r EQUAL 0" "pdftotext kann Handbuch.pdf nicht lesen")

# Every chapter heading of the source must appear in the PDF, umlauts intact.
# Without the encoding, a heading would be cut at its first umlaut and only that part checked.
file(STRINGS "${QUELLE}" ueberschriften REGEX "^## " ENCODING UTF-8)
list(LENGTH ueberschriften anzahl)
pruefe("anzahl GREATER 5" "zu wenige Kapitel in ${QUELLE}")
foreach(u IN LISTS ueberschriften)
  string(REGEX REPLACE "^## " "" u "${u}")
  string(FIND "${text}" "${u}" stelle)
  pruefe("NOT stelle EQUAL -1" "Kapitel fehlt im PDF: ${u}")
endforeach()
foreach(wort "Sprechwünsche" "Zeitpläne" "Schriftgröße")
  string(FIND "${text}" "${wort}" stelle)
  pruefe("NOT stelle EQUAL -1" "'${wort}' nicht lesbar im PDF")
endforeach()
string(FIND "${text}" "fehlt)" stelle)
pruefe("stelle EQUAL -1" "Im Handbuch fehlen Bilder der Fenster (siehe Warnung beim Bauen)")

execute_process(COMMAND "${PDFFONTS}" "${pdf}" OUTPUT_VARIABLE schriften)
string(FIND "${schriften}" "LiberationSans" stelle)
pruefe("NOT stelle EQUAL -1" "Handbuch.pdf ist nicht in Liberation Sans gesetzt:\n${schriften}")

file(READ "${html}" seite)
string(FIND "${seite}" "Sprechwünsche" stelle)
pruefe("NOT stelle EQUAL -1" "QVTDOC1.HTM: Umlaute nicht als UTF-8")
# The browser fallback of "Hilfe" must not lack a chapter the PDF has.
foreach(u IN LISTS ueberschriften)
  string(REGEX REPLACE "^## " "" u "${u}")
  string(FIND "${seite}" "${u}" stelle)
  pruefe("NOT stelle EQUAL -1" "Kapitel fehlt in QVTDOC1.HTM: ${u}")
endforeach()
string(REGEX MATCH "<img src=\"[^d][^\"]*\"" fremd "${seite}")
pruefe("\"${fremd}\" STREQUAL \"\"" "QVTDOC1.HTM verweist auf eine Bilddatei: ${fremd}")
string(FIND "${seite}" "data:image/png;base64," stelle)
pruefe("NOT stelle EQUAL -1" "QVTDOC1.HTM enthält keine Bilder")
