# kalumo-cli importieren on the invented school exports of tests/daten/schuldaten.
# Included from tests/CMakeLists.txt after cli_datei.cmake.
set(SD ${CLI_DATEN}/schuldaten)

kalumo_cli_test(cli_importieren 0
  "Lehrer: .*GPU004.TXT.*Kodierung: Windows-1252.*Spalten: 1 Kürzel, 2 Nachname.*Neu: 5.*Sprechwünsche neu: 6.*Umgeschriebene Namen:.*GPU010.TXT, Zeile 4: 5a: Nowak, Łukasz → 5a: Nowak, Lukasz.*wuensche_faecher.csv, „Musik“ passt zu keiner Lehrkraft und zu keinem Fach der Klasse 9c – 1 Zeile: 5.*geschrieben: 5 Lehrer, 5 Eltern, 6 Sprechwünsche"
  importieren ${CLI_AUS}/schule.qvt --lehrer ${SD}/GPU004.TXT --schueler ${SD}/utf8/GPU010.TXT
  --unterricht ${SD}/utf8/GPU002.TXT --wuensche ${SD}/wuensche_faecher.csv)
set_tests_properties(cli_importieren PROPERTIES FIXTURES_SETUP cli_importiert)
kalumo_cli_test(cli_importiert_lesbar 0 "Lehrer: 5.*Eltern: 5.*Sprechwünsche: 6.*Zeitpläne: keine"
  info ${CLI_AUS}/schule.qvt)
set_tests_properties(cli_importiert_lesbar PROPERTIES FIXTURES_REQUIRED cli_importiert)

# Wishes a week later: teachers, pupils and lessons first, the wishes in a second run
# that reads the saved day. Short names and lessons come from the day: the same counts
# as in one run (six by subject; four by short name, "XYZ" unknown, one pupil not found).
kalumo_cli_test(cli_importieren_stammdaten 0 "geschrieben: 5 Lehrer, 5 Eltern, 0 Sprechwünsche"
  importieren ${CLI_AUS}/stamm.qvt --lehrer ${SD}/GPU004.TXT --schueler ${SD}/utf8/GPU010.TXT
  --unterricht ${SD}/utf8/GPU002.TXT)
set_tests_properties(cli_importieren_stammdaten PROPERTIES FIXTURES_SETUP cli_stamm)
kalumo_cli_test(cli_importieren_stamm_info 0 "Lehrer: 5.*Sprechwünsche: 0.*Zusatzblock: Version 1\n  Lehrerkürzel: 5\n  Schülernummern: 5\n  Unterricht: [1-9]"
  info ${CLI_AUS}/stamm.qvt)
set_tests_properties(cli_importieren_stamm_info PROPERTIES FIXTURES_REQUIRED cli_stamm)
kalumo_cli_test(cli_importieren_wuensche_spaeter 0 "Sprechwünsche neu: 6, schon vorhanden: 0, nicht zugeordnet: 2.*geschrieben: 5 Lehrer, 5 Eltern, 6 Sprechwünsche"
  importieren ${CLI_AUS}/spaeter.qvt --in ${CLI_AUS}/stamm.qvt --wuensche ${SD}/wuensche_faecher.csv)
set_tests_properties(cli_importieren_wuensche_spaeter PROPERTIES FIXTURES_REQUIRED cli_stamm)
kalumo_cli_test(cli_importieren_kuerzel_spaeter 0 "Sprechwünsche neu: 4, schon vorhanden: 0, nicht zugeordnet: 1, Zeilen abgelehnt: 1.*geschrieben: 5 Lehrer, 5 Eltern, 4 Sprechwünsche"
  importieren ${CLI_AUS}/spaeter_kuerzel.qvt --in ${CLI_AUS}/stamm.qvt --wuensche ${SD}/wuensche_kuerzel.csv)
set_tests_properties(cli_importieren_kuerzel_spaeter PROPERTIES FIXTURES_REQUIRED cli_stamm)

# Into a day with plans: the new wishes invalidate them, and the output has none.
kalumo_cli_test(cli_importieren_plaene 0 "Zeitpläne ungültig"
  importieren ${CLI_AUS}/mit_plaenen.qvt --in ${CLI_DATEN}/sprechtag.qvt --lehrer ${SD}/GPU004.TXT
  --schueler ${SD}/utf8/GPU010.TXT --wuensche ${SD}/wuensche_kuerzel.csv)
set_tests_properties(cli_importieren_plaene PROPERTIES FIXTURES_SETUP cli_plaene_importiert)
kalumo_cli_test(cli_importieren_plaene_weg 0 "Lehrer: 9.*Zeitpläne: keine" info ${CLI_AUS}/mit_plaenen.qvt)
set_tests_properties(cli_importieren_plaene_weg PROPERTIES FIXTURES_REQUIRED cli_plaene_importiert)

# A dry run reports and writes nothing: the target's folder does not even exist.
kalumo_cli_test(cli_importieren_trockenlauf 0 "Kodierung: UTF-16 LE mit BOM.*Neu: 3.*Trockenlauf: nichts geschrieben"
  importieren ${CLI_AUS}/kein/ordner/aus.qvt --schueler ${SD}/schueler_unicode.csv --trockenlauf)
kalumo_cli_test(cli_importieren_kodierung 0 "Kodierung: Windows-1252.*Neu: 5"
  importieren ${CLI_AUS}/kodiert.qvt --schueler ${SD}/utf8/GPU010.TXT --kodierung cp1252 --trockenlauf)

kalumo_cli_test(cli_importieren_fehlt 1 "gibt_es_nicht.csv.*kann nicht importiert werden"
  importieren ${CLI_AUS}/nie.qvt --lehrer ${SD}/gibt_es_nicht.csv)
kalumo_cli_test(cli_importieren_ungueltig 1 "nicht gültig in UTF-8"
  importieren ${CLI_AUS}/nie.qvt --lehrer ${SD}/GPU004.TXT --kodierung utf-8)
kalumo_cli_test(cli_importieren_ohne_spalte 1 "lehrer_bom.csv.*Keine Spalte ist als „Klasse“ zugeordnet"
  importieren ${CLI_AUS}/nie.qvt --unterricht ${SD}/lehrer_bom.csv)
kalumo_cli_test(cli_importieren_ohne_quelle 2 "Keine Quelldatei.*Verwendung: kalumo-cli importieren"
  importieren ${CLI_AUS}/nie.qvt)
kalumo_cli_test(cli_importieren_kodierung_falsch 2 "Unbekannte Kodierung: ebcdic"
  importieren ${CLI_AUS}/nie.qvt --lehrer ${SD}/GPU004.TXT --kodierung ebcdic)
kalumo_cli_test(cli_importieren_ohne_ziel 2 "Verwendung: kalumo-cli importieren" importieren --lehrer ${SD}/GPU004.TXT)
kalumo_cli_test(cli_importieren_wert_fehlt 2 "fehlt ihr Wert" importieren ${CLI_AUS}/nie.qvt --lehrer)

# Files that are no lists, an unclosed quote, UTF-16 without a byte-order mark, and names
# with letters Windows-1252 lacks (written with the nearest letters unless switched off).
kalumo_cli_test(cli_importieren_pdf 1 "lehrer.pdf“ kann nicht importiert werden\\. Sie ist ein PDF-Dokument, keine Liste\\."
  importieren ${CLI_AUS}/nie.qvt --lehrer ${SD}/lehrer.pdf)
kalumo_cli_test(cli_importieren_anfuehrungszeichen 1 "offenes_anfuehrungszeichen.csv“ kann nicht importiert werden\\. Das Anführungszeichen in Zeile 2 wird nicht geschlossen"
  importieren ${CLI_AUS}/nie.qvt --schueler ${SD}/offenes_anfuehrungszeichen.csv)
kalumo_cli_test(cli_importieren_utf16_ohne_bom 0 "Kodierung: UTF-16 LE\n.*Neu: 2, schon vorhanden: 0"
  importieren ${CLI_AUS}/nie.qvt --schueler ${SD}/schueler_utf16_ohne_bom.csv --trockenlauf)
kalumo_cli_test(cli_importieren_umschreiben 0 "Neu: 3,.*umgeschrieben: 1.*Zeile 2: 8a: Yılmaz, Elif → 8a: Yilmaz, Elif"
  importieren ${CLI_AUS}/nie.qvt --schueler ${SD}/schueler_unicode.csv --trockenlauf)
kalumo_cli_test(cli_importieren_nicht_umschreiben 0 "Neu: 2,.*Zeile 2: „8a: Yılmaz, Elif“ enthält das Zeichen „ı“ \\(U\\+0131\\)"
  importieren ${CLI_AUS}/nie.qvt --schueler ${SD}/schueler_unicode.csv --nicht-umschreiben --trockenlauf)

# Invitations a teacher hands in: each names a teacher and a pupil; they become requests
# marked as invitations, which info counts and optimieren reports first.
kalumo_cli_test(cli_importieren_einladungen 0 "Einladungen: 3.*geschrieben: 5 Lehrer, 5 Eltern, 3 Sprechwünsche"
  importieren ${CLI_AUS}/eingeladen.qvt --in ${CLI_AUS}/stamm.qvt --einladungen ${SD}/einladungen.csv)
set_tests_properties(cli_importieren_einladungen PROPERTIES FIXTURES_REQUIRED cli_stamm FIXTURES_SETUP cli_eingeladen)
kalumo_cli_test(cli_einladungen_info 0 "Zusatzblock: Version 1\n.*  Einladungen: 3\n"
  info ${CLI_AUS}/eingeladen.qvt)
set_tests_properties(cli_einladungen_info PROPERTIES FIXTURES_REQUIRED cli_eingeladen)
kalumo_cli_test(cli_einladungen_optimieren 0 "vorher +nachher\nErteilte Einladungen \\(von 3\\): +3 +3\nErteilte Termine:"
  optimieren ${CLI_AUS}/eingeladen.qvt ${CLI_AUS}/eingeladen_optimiert.qvt)
set_tests_properties(cli_einladungen_optimieren PROPERTIES FIXTURES_REQUIRED cli_eingeladen)
