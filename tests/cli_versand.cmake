# kalumo-cli senden against a real SMTP server on 127.0.0.1 that the script starts itself
# (Debian's python3-aiosmtpd): every family one mail with the right recipients and its
# calendar file, a refused recipient, a rejected password, a resumed run, .eml files.
# Included from tests/CMakeLists.txt after cli_termine.cmake (KALUMO_DEBIAN_PYTHON).
if(KALUMO_DEBIAN_PYTHON)
  foreach(fall alles abweisen passwort eml tls voruebergehend trennen 421)
    add_test(NAME cli_versand_${fall}
             COMMAND ${KALUMO_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/versand_smtp_pruefen.py
                     $<TARGET_FILE:kalumo-beispiel> $<TARGET_FILE:kalumo-cli> ${CLI_AUS}/versand_${fall} ${fall})
    set_tests_properties(cli_versand_${fall} PROPERTIES TIMEOUT 300)
  endforeach()
endif()
