# Runs kalumo-handbuch twice: first the pictures, then the manual. The pictures are a
# nicety: if the windows cannot be photographed (a page under construction crashes), the
# manual still comes out with notes in place of the pictures and the build goes on.
file(REMOVE_RECURSE "${BILDER}")
execute_process(COMMAND "${WERKZEUG}" bilder "${BILDER}"
                RESULT_VARIABLE bilder_ergebnis)
if(NOT bilder_ergebnis EQUAL 0)
  message(WARNING "Handbuch: die Bilder der Fenster konnten nicht erzeugt werden (${bilder_ergebnis})")
endif()
execute_process(COMMAND "${WERKZEUG}" satz "${QUELLE}" "${BILDER}" "${PDF}" "${HTML}"
                RESULT_VARIABLE satz_ergebnis)
if(NOT satz_ergebnis EQUAL 0)
  message(FATAL_ERROR "Handbuch: Satz fehlgeschlagen (${satz_ergebnis})")
endif()
