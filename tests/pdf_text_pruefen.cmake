# Checks a PDF as a reader sees it: the page count (pdfinfo) and the text of one page
# (pdftotext -layout, runs of blanks shown as one).
# -DPDF=... -DSEITEN=n -DSEITE=k -DMUSTER=regex
execute_process(COMMAND pdfinfo ${PDF} RESULT_VARIABLE rc OUTPUT_VARIABLE info ERROR_VARIABLE fehler)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdfinfo ${PDF}: ${fehler}")
endif()
if(DEFINED SEITEN AND NOT info MATCHES "Pages: +${SEITEN}\n")
  message(FATAL_ERROR "Erwartet ${SEITEN} Seiten:\n${info}")
endif()
if(DEFINED SEITE)
  execute_process(COMMAND pdftotext -layout -enc UTF-8 -f ${SEITE} -l ${SEITE} ${PDF} -
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE fehler)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext ${PDF}: ${fehler}")
  endif()
  string(REGEX REPLACE " +" " " text "${text}")
  string(REGEX REPLACE "\n +" "\n" text "${text}")
  string(REGEX REPLACE "\n+" "\n" text "${text}")
  string(REGEX REPLACE "^[ \n]+" "" text "${text}")
  if(NOT text MATCHES "${MUSTER}")
    message(FATAL_ERROR "Seite ${SEITE} passt nicht zu '${MUSTER}':\n${text}")
  endif()
endif()
