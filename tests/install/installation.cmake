# Installs the build tree into a fresh prefix and checks what a desktop needs: the program
# reachable from bin/ with the manual beside its real file, the command-line tool, the
# desktop entry, the icons and the file type for day files, and the example day.
# Run by CTest after the build: cmake -DBAU=... -DPROGRAMMORDNER=... -DBINDIR=... -DDATADIR=... -P installation.cmake

set(ziel "${BAU}/installtest")
file(REMOVE_RECURSE "${ziel}")

# pruefe("a EQUAL 0" "Meldung"): the condition is written as in if().
function(pruefe bedingung text)
  cmake_language(EVAL CODE "if(${bedingung})\nelse()\n  message(FATAL_ERROR \"\${text}\")\nendif()")
endfunction()

function(enthaelt datei muster)
  file(READ "${datei}" inhalt)
  string(FIND "${inhalt}" "${muster}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "${datei} enthält nicht: ${muster}")
  endif()
endfunction()

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BAU}" --prefix "${ziel}"
                RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
pruefe("ergebnis EQUAL 0" "cmake --install ist fehlgeschlagen:\n${ausgabe}")

set(programm "${ziel}/${PROGRAMMORDNER}/kalumo")
set(erwartet
    "${BINDIR}/kalumo"
    "${BINDIR}/kalumo-cli"
    "${PROGRAMMORDNER}/kalumo"
    "${PROGRAMMORDNER}/Handbuch.pdf"
    "${PROGRAMMORDNER}/QVTDOC1.HTM"
    "${DATADIR}/applications/kalumo.desktop"
    "${DATADIR}/icons/hicolor/scalable/apps/kalumo.svg"
    "${DATADIR}/icons/hicolor/scalable/mimetypes/application-x-kalumo-qvt.svg"
    "${DATADIR}/mime/packages/kalumo-qvt.xml"
    "${DATADIR}/kalumo/beispiel.qvt")
foreach(f IN LISTS erwartet)
  pruefe("EXISTS \"${ziel}/${f}\"" "nicht installiert: ${f}")
endforeach()

# The program finds its manual in its own (real) folder: bin/kalumo must lead there.
pruefe("IS_SYMLINK \"${ziel}/${BINDIR}/kalumo\"" "${BINDIR}/kalumo ist kein Verweis auf das Programm")
file(REAL_PATH "${ziel}/${BINDIR}/kalumo" echt)
file(REAL_PATH "${programm}" programm_echt)
pruefe("echt STREQUAL programm_echt" "${BINDIR}/kalumo zeigt auf ${echt} statt auf ${programm_echt}")
get_filename_component(programmordner "${echt}" DIRECTORY)
pruefe("EXISTS \"${programmordner}/Handbuch.pdf\"" "Handbuch.pdf liegt nicht neben dem Programm")

file(READ "${ziel}/${PROGRAMMORDNER}/Handbuch.pdf" kopf LIMIT 8)
string(FIND "${kopf}" "%PDF-" stelle)
pruefe("stelle EQUAL 0" "Handbuch.pdf ist kein PDF")
file(SIZE "${ziel}/${PROGRAMMORDNER}/Handbuch.pdf" groesse)
pruefe("groesse GREATER 20000" "Handbuch.pdf ist verdächtig klein (${groesse} Bytes)")
enthaelt("${ziel}/${PROGRAMMORDNER}/QVTDOC1.HTM" "<html")
enthaelt("${ziel}/${PROGRAMMORDNER}/QVTDOC1.HTM" "Elternsprechtag")

# Desktop entry, icon and file type must name each other.
set(desktop "${ziel}/${DATADIR}/applications/kalumo.desktop")
foreach(zeile "Type=Application" "Exec=kalumo %f" "Icon=kalumo" "Categories=Office;Education;"
              "MimeType=application/x-kalumo-qvt;" "Name=Kalumo")
  enthaelt("${desktop}" "\n${zeile}\n")
endforeach()
set(mime "${ziel}/${DATADIR}/mime/packages/kalumo-qvt.xml")
enthaelt("${mime}" "<mime-type type=\"application/x-kalumo-qvt\">")
enthaelt("${mime}" "<glob pattern=\"*.qvt\"/>")
enthaelt("${mime}" "<comment xml:lang=\"de\">Elternsprechtags-Datei</comment>")

# The tools of the desktop read our files as they will on the user's machine.
find_program(MIMEDB update-mime-database)
if(MIMEDB)
  execute_process(COMMAND "${MIMEDB}" "${ziel}/${DATADIR}/mime" RESULT_VARIABLE r ERROR_VARIABLE fehler)
  pruefe("r EQUAL 0" "update-mime-database lehnt die Typdatei ab: ${fehler}")
  enthaelt("${ziel}/${DATADIR}/mime/globs2" "application/x-kalumo-qvt:*.qvt")
endif()
find_program(DESKTOPPRUEFUNG desktop-file-validate)
if(DESKTOPPRUEFUNG)
  execute_process(COMMAND "${DESKTOPPRUEFUNG}" "${desktop}" RESULT_VARIABLE r OUTPUT_VARIABLE fehler ERROR_VARIABLE fehler)
  pruefe("r EQUAL 0" "desktop-file-validate: ${fehler}")
endif()

# The installed command-line tool runs and reads the installed example day.
execute_process(COMMAND "${ziel}/${BINDIR}/kalumo-cli" info "${ziel}/${DATADIR}/kalumo/beispiel.qvt"
                RESULT_VARIABLE r OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
pruefe("r EQUAL 0" "kalumo-cli info auf dem installierten Beispieltag: ${aus}")

file(REMOVE_RECURSE "${ziel}")
message(STATUS "Installation vollständig")
