# Two talks of one entry side by side after the day's end (16:20 Ahorn, 16:30 Buche on a
# day until 16:00, both teachers until 17:00), as the computation books them: the drop-out
# cancels and lists the 16:30 talk, and optimising says what it moved and why.
# Included from tests/CMakeLists.txt after cli_datei.cmake.
kalumo_cli_test(cli_nach_tagesende_ausfall 0 "Außerhalb der neuen Sprechzeit lagen 1 Termine, 0 davon wurden neu gesetzt\\..*Termine abgesagt \\(1\\):\n  16:30  Buche \\(B2\\) – 1a: Kind\n.*Eltern mit geändertem Zeitplan \\(1\\):\n  1a: Kind"
                ausfall ${CLI_DATEN}/nach_tagesende.qvt ${CLI_AUS}/nach_tagesende_ausfall.qvt --lehrer "Buche (B2)" --ganz)
kalumo_cli_test(cli_nach_tagesende_optimieren 0 "Erteilte Termine: +2 +2\n.*\nEin Termin wurde verschoben, damit zwischen zwei Gesprächen einer Familie Zeit zum Raumwechsel bleibt\\.\n2 Termine – mehr sind nicht möglich\\.\n$"
                optimieren ${CLI_DATEN}/nach_tagesende.qvt ${CLI_AUS}/nach_tagesende_optimiert.qvt)
