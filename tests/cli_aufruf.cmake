# Runs one kalumo-cli command and checks its exit status and output.
# -DCLI=... -DARGS=a;b;c -DRC=0 -DMUSTER=regex (matched against stdout and stderr)
execute_process(COMMAND ${CLI} ${ARGS}
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT "${rc}" STREQUAL "${RC}")
  message(FATAL_ERROR "Exit-Status ${rc}, erwartet ${RC}\nstdout:\n${aus}\nstderr:\n${fehler}")
endif()
if(DEFINED MUSTER AND NOT "${aus}${fehler}" MATCHES "${MUSTER}")
  message(FATAL_ERROR "Ausgabe passt nicht zu '${MUSTER}'\nstdout:\n${aus}\nstderr:\n${fehler}")
endif()
