# Builds the Debian package from the build tree and looks inside: name, dependencies on
# the Qt runtime, and the files of the desktop installation under /usr.
# cmake -DBAU=... -DCPACK=... -DDPKG_DEB=... -P debpaket.cmake

set(aus "${BAU}/debtest")
file(REMOVE_RECURSE "${aus}")

# pruefe("a EQUAL 0" "Meldung"): the condition is written as in if().
function(pruefe bedingung text)
  cmake_language(EVAL CODE "if(${bedingung})\nelse()\n  message(FATAL_ERROR \"\${text}\")\nendif()")
endfunction()

execute_process(COMMAND "${CPACK}" -G DEB -B "${aus}" --config "${BAU}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BAU}" RESULT_VARIABLE r OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
pruefe("r EQUAL 0" "cpack -G DEB ist fehlgeschlagen:\n${ausgabe}")
file(GLOB pakete "${aus}/kalumo_*.deb")
list(LENGTH pakete anzahl)
pruefe("anzahl EQUAL 1" "kein (oder mehr als ein) Paket kalumo_*.deb in ${aus}")

execute_process(COMMAND "${DPKG_DEB}" -f "${pakete}" Package OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE)
pruefe("name STREQUAL \"kalumo\"" "Paketname ist '${name}'")
execute_process(COMMAND "${DPKG_DEB}" -f "${pakete}" Depends OUTPUT_VARIABLE abh)
foreach(paket libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation)
  string(FIND "${abh}" "${paket}" stelle)
  pruefe("NOT stelle EQUAL -1" "Depends nennt ${paket} nicht: ${abh}")
endforeach()
execute_process(COMMAND "${DPKG_DEB}" -f "${pakete}" Description OUTPUT_VARIABLE beschreibung)
string(FIND "${beschreibung}" "Elternsprechtag" stelle)
pruefe("NOT stelle EQUAL -1" "Beschreibung ohne 'Elternsprechtag': ${beschreibung}")

execute_process(COMMAND "${DPKG_DEB}" -c "${pakete}" OUTPUT_VARIABLE inhalt)
foreach(datei
        "./usr/bin/kalumo -> ../lib/kalumo/kalumo"
        "./usr/bin/kalumo-cli"
        "./usr/lib/kalumo/kalumo"
        "./usr/lib/kalumo/Handbuch.pdf"
        "./usr/lib/kalumo/QVTDOC1.HTM"
        "./usr/share/applications/kalumo.desktop"
        "./usr/share/icons/hicolor/scalable/apps/kalumo.svg"
        "./usr/share/mime/packages/kalumo-qvt.xml"
        "./usr/share/kalumo/beispiel.qvt")
  string(FIND "${inhalt}" "${datei}" stelle)
  pruefe("NOT stelle EQUAL -1" "nicht im Paket: ${datei}\n${inhalt}")
endforeach()

file(REMOVE_RECURSE "${aus}")
message(STATUS "Debian-Paket vollständig")
