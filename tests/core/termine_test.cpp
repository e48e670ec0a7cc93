// Appointment export: the list of every talk as a golden text written by hand, the calendar
// format's escaping and folding with hand-worked expectations, families and file names,
// and the export's refusals.
#include "termine_tag.h"

#include "datei/datei.h"
#include "termine/datum.h"
#include "termine/export.h"
#include "termine/kalender.h"
#include "termine/ortszeit.h"
#include "termine/termincsv.h"
#include "termine/termine.h"

#include "dateisystem/schreiben.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

using namespace TermineTest;

namespace {

/// The day of the golden list (the day the clocks went back in 2026).
const QDate Tag(2026, 10, 25);

// Worked out by hand from the plan lines of KniffligerTag: entries in list order, own
// lines only (the bracketed ones belong to the sibling), end = begin + 10 minutes.
const char* const ErwarteteCsv =
    "\xEF\xBB\xBF"
    "Datum;Beginn;Ende;Lehrkraft;Raum;Eintrag\r\n"
    "25.10.2026;16:50;17:00;Weber (R 12);R 12;5c: Özdemir, Jürgen\r\n"
    "25.10.2026;15:00;15:10;Schulz;;\"6a: \"\"Kalle\"\" Schmidt/Meier\"\r\n"
    "25.10.2026;15:00;15:10;Weber (R 12);R 12;7b: Weber, Anna\r\n"
    "25.10.2026;15:20;15:30;\"Dr. Müller-Lüdenscheidt; Fachbereich Naturwissenschaften, Chemie\\Physik (Raum 1.23, "
    "Altbau)\";Raum 1.23, Altbau;7b: Weber, Anna\r\n"
    "25.10.2026;15:10;15:20;Schulz;;9a: Weber, Ben\r\n";

QByteArray Lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

TEST(Termine, CsvOfAHandWrittenDayMatchesTheGoldenText)
{
    TSprechtag tag;
    KniffligerTag(tag);
    const TTerminListe liste = Termine::Lies(tag);
    EXPECT_EQ(Termine::Csv(liste, Tag), QByteArray(ErwarteteCsv));
    EXPECT_EQ(liste.Uebersprungen, 1); // "Anruf: kommt später"

    // The same day as the file the command-line tests use.
    TSprechtag geladen;
    ASSERT_TRUE(Datei::Laden(geladen, QStringLiteral(KALUMO_TESTDATEN "/termine.qvt"), TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(Termine::Csv(Termine::Lies(geladen), Tag), QByteArray(ErwarteteCsv));
}

TEST(Termine, CsvFieldsQuoteWhatASpreadsheetWouldMisreadAndDisarmFormulas)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"7b: Weber, Anna", "7b: Weber, Anna"},
        {"", ""},
        {"Raum;1", "\"Raum;1\""},
        {"Sagt \"Hallo\"", "\"Sagt \"\"Hallo\"\"\""},
        {"Zwei\nZeilen", "\"Zwei\nZeilen\""},
        {" vorn", "\" vorn\""},
        {"hinten ", "\"hinten \""},
        // Begins like a formula: shown as text, never run.
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+49 30", "\"'+49 30\""},
        {"-5a: Minus", "\"'-5a: Minus\""},
        {"@Meier", "\"'@Meier\""},
        {"\tTab", "\"'\tTab\""},
        {"a=b", "a=b"},
    };
    for (const auto& [text, erwartet] : faelle)
        EXPECT_EQ(Termine::CsvFeld(QString::fromUtf8(text)), QString::fromUtf8(erwartet)) << text;
}

TEST(Termine, RoomIsTheTextInTheLastBrackets)
{
    const struct {
        const char* name;
        const char* raum;
    } faelle[] = {
        {"Weber (R 12)", "R 12"},    {"Weber", ""},           {"Weber ( 104 )", "104"},
        {"Weber (Kl.) (B 7)", "B 7"}, {"Weber (B 7", ""},      {"Weber B 7)", ""},
        {"Weber ()", ""},             {"Weber (Aula) Nord", "Aula"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Termine::Raum(QString::fromUtf8(f.name)), QString::fromUtf8(f.raum)) << f.name;
}

TEST(Termine, FamiliesGroupSiblingsAndKeepEveryTalkOnce)
{
    TSprechtag tag;
    KniffligerTag(tag);
    // A third entry without talks joins the Weber family only through Ben (not a clique).
    BerechnungTest::Eltern(tag, QStringLiteral("1a: Weber, Carl"));
    tag.Eltern.Suche(Ben)->Geschwister.Hinzufuegen(QStringLiteral("1a: Weber, Carl"));
    const TTerminListe liste = Termine::Lies(tag);
    ASSERT_EQ(liste.Familien.size(), 3u);
    QStringList namen;
    for (const auto& f : liste.Familien) {
        QStringList eintraege;
        for (int e : f)
            eintraege << tag.Eltern.Name(e);
        namen << eintraege.join(u'+');
    }
    EXPECT_EQ(namen, QStringList({QStringLiteral("1a: Weber, Carl+7b: Weber, Anna+9a: Weber, Ben"), Oezdemir, Kalle}));
    // Carl has no talk but names the file, so a later talk of his does not rename it.
    EXPECT_EQ(Kalender::Dateinamen(liste, tag),
              QStringList({QStringLiteral("1a Weber, Carl"), QStringLiteral("5c Özdemir, Jürgen"),
                           QStringLiteral("6a Kalle Schmidt Meier")}));
    QStringList weber;
    for (int t : liste.TermineDerFamilie[0])
        weber << Termine::Uhrzeit(liste.Termine[size_t(t)].Beginn) + u' ' + liste.Termine[size_t(t)].Eintrag;
    EXPECT_EQ(weber, QStringList({QStringLiteral("15:00 7b: Weber, Anna"), QStringLiteral("15:10 9a: Weber, Ben"),
                                  QStringLiteral("15:20 7b: Weber, Anna")}));
}

TEST(Kalender, TextEscaping)
{
    const struct {
        const char* ein;
        const char* aus;
    } faelle[] = {
        {"Weber", "Weber"},
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"Zeile1\r\nZeile2\nZeile3\rEnde", "Zeile1\\nZeile2\\nZeile3\\nEnde"},
        {"Tab\tbleibt, Glocke\x07 nicht", "Tab\tbleibt\\, Glocke  nicht"},
        {"Größe: \"x\"", "Größe: \"x\""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Kalender::Text(QString::fromUtf8(f.ein)), QString::fromUtf8(f.aus)) << f.ein;
}

TEST(Kalender, FoldingAt75OctetsNeverSplitsACharacter)
{
    const QString a74 = QString(74, u'a');
    const struct {
        QString zeile;
        QByteArray gefaltet;
    } faelle[] = {
        {QString(75, u'a'), QByteArray(75, 'a') + "\r\n"},
        {QString(76, u'a'), QByteArray(75, 'a') + "\r\n a\r\n"},
        // 75 + 74 + 1 octets: the second line holds 74 after its blank.
        {QString(150, u'a'), QByteArray(75, 'a') + "\r\n " + QByteArray(74, 'a') + "\r\n a\r\n"},
        // "ü" is two octets at 75..76: the first line ends after 74.
        {a74 + QStringLiteral("üb"), QByteArray(74, 'a') + "\r\n \xC3\xBC" "b\r\n"},
        // "ü" at 74..75 fits exactly.
        {QString(73, u'a') + QStringLiteral("üb"), QByteArray(73, 'a') + "\xC3\xBC\r\n b\r\n"},
        // A four-octet character (U+1F600) at 73..76 moves to the next line as a whole.
        {QString(73, u'a') + QString::fromUcs4(U"\U0001F600") + u'b',
         QByteArray(73, 'a') + "\r\n \xF0\x9F\x98\x80" "b\r\n"},
        {QString(), QByteArray("\r\n")},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Kalender::Falte(f.zeile), f.gefaltet) << f.zeile.toStdString();
}

TEST(Kalender, FileNamesAreSafeAndUnique)
{
    const struct {
        const char* eintrag;
        const char* datei;
    } faelle[] = {
        {"7b: Weber, Anna", "7b Weber, Anna"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a b c d e f g h i j"},
        {"..versteckt", "versteckt"},
        {"Ende. . ", "Ende"},
        {"con", "con_"},
        {"LPT1", "LPT1_"},
        {"COM10", "COM10"},
        {"///", "Familie"},
        {"Zeilen\nUmbruch", "Zeilen Umbruch"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Kalender::Dateiname(QString::fromUtf8(f.eintrag)), QString::fromUtf8(f.datei)) << f.eintrag;
    // 196 bytes and ".ics" make the cap of 200.
    EXPECT_EQ(Kalender::Dateiname(QString(300, u'x')), QString(196, u'x'));

    // "7b: Weber" and "7b/Weber" give the same name; so do names differing in case only.
    TSprechtag tag;
    BerechnungTest::Rahmen(tag, 15, 0, 18, 0, 10);
    BerechnungTest::Lehrer(tag, Schulz);
    for (const char* n : {"7b: Weber", "7b/Weber", "7B WEBER", "7b Weber (2)"})
        BerechnungTest::Eltern(tag, QString::fromUtf8(n), {Schulz}).Zeitplan.Setze({Z("15:00", Schulz)});
    tag.PlaeneGueltig = true;
    const QStringList namen = Kalender::Dateinamen(Termine::Lies(tag), tag);
    QSet<QString> gefaltet;
    for (const QString& n : namen)
        gefaltet.insert(n.toCaseFolded());
    EXPECT_EQ(gefaltet.size(), 4) << namen.join(u'|').toStdString();
}

TEST(Kalender, FamilyCalendarHoldsOneEventPerTalk)
{
    TSprechtag tag;
    KniffligerTag(tag);
    const TTerminListe liste = Termine::Lies(tag);
    const QByteArray ics = Kalender::Familie(liste, 2, QDate(2026, 11, 19),
                                             QDateTime(QDate(2026, 11, 1), QTime(8, 30), Qt::UTC));
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(ics.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 3);
    EXPECT_EQ(ics.count("DTSTAMP:20261101T083000Z\r\n"), 3);
    EXPECT_TRUE(ics.contains("DTSTART;TZID=Europe/Berlin:20261119T151000\r\n"
                             "DTEND;TZID=Europe/Berlin:20261119T152000\r\n"
                             "SUMMARY:Elternsprechtag: Schulz\r\n"
                             "DESCRIPTION:Für 9a: Weber\\, Ben\r\n"));
    // Müller's summary is 122 octets: folded once after 75, the escapes intact.
    EXPECT_TRUE(ics.contains("SUMMARY:Elternsprechtag: Dr. M\xC3\xBCller-L\xC3\xBC" "denscheidt\\; Fachbereich "
                             "Naturwisse\r\n nschaften\\, Chemie\\\\Physik (Raum 1.23\\, Altbau)\r\n"
                             "LOCATION:Raum 1.23\\, Altbau\r\n"));
    EXPECT_FALSE(ics.contains("LOCATION:\r\n")); // Schulz has no room
    for (const QByteArray& zeile : ics.split('\n')) {
        EXPECT_LE(zeile.size(), 76) << zeile.constData(); // 75 octets and the CR
        EXPECT_TRUE(zeile.isEmpty() || zeile.endsWith('\r')) << zeile.constData();
    }
}

// Run by CTest under TZ=Europe/Berlin, UTC and America/New_York as well: the calendar
// shows the school's wall clock whatever zone the exporting machine is in. Expectations
// worked out by hand: German summer time (UTC+2) from 28.03.2027 02:00, winter time
// (UTC+1) again from 31.10.2027 03:00.
TEST(KalenderOrtszeit, TalksKeepTheSchoolsWallClockOnTheDaysTheClocksChange)
{
    const struct {
        QDate datum;
        const char* beginn;
        int minuten;
        const char* dtstart;
        const char* dtend;
        QTime utc;
    } faelle[] = {
        {QDate(2027, 3, 28), "17:30", 17 * 60 + 30, "20270328T173000", "20270328T174000", QTime(15, 30)},
        {QDate(2027, 10, 31), "17:30", 17 * 60 + 30, "20271031T173000", "20271031T174000", QTime(16, 30)},
        {QDate(2027, 3, 27), "17:30", 17 * 60 + 30, "20270327T173000", "20270327T174000", QTime(16, 30)},
        {QDate(2027, 6, 16), "08:05", 8 * 60 + 5, "20270616T080500", "20270616T081500", QTime(6, 5)},
        // A talk that ends after midnight ends on the next day.
        {QDate(2027, 10, 31), "23:55", 23 * 60 + 55, "20271031T235500", "20271101T000500", QTime(22, 55)},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        BerechnungTest::Rahmen(tag, 6, 0, 23, 55, 10);
        BerechnungTest::Lehrer(tag, Weber).Zeitplan = {Z(f.beginn, Anna)};
        BerechnungTest::Eltern(tag, Anna, {Weber}).Zeitplan.Setze({Z(f.beginn, Weber)});
        tag.PlaeneGueltig = true;
        const QByteArray ics = Kalender::Familie(Termine::Lies(tag), 0, f.datum,
                                                 QDateTime(QDate(2027, 1, 1), QTime(9, 0), Qt::UTC));
        const QByteArray erwartet = QByteArray("DTSTART;TZID=Europe/Berlin:") + f.dtstart
                                    + "\r\nDTEND;TZID=Europe/Berlin:" + f.dtend + "\r\n";
        EXPECT_TRUE(ics.contains(erwartet)) << f.dtstart << "\n" << ics.constData();
        // The instant the calendar will show: a phone anywhere converts from this.
        EXPECT_EQ(Termine::Ortszeit(f.datum, f.minuten).toUTC(), QDateTime(f.datum, f.utc, Qt::UTC)) << f.dtstart;
    }
}

TEST(KalenderOrtszeit, MomentsShownOnTheSchoolsClock)
{
    const struct {
        QDateTime utc;
        const char* schule;
    } faelle[] = {
        {QDateTime(QDate(2027, 3, 28), QTime(0, 59), Qt::UTC), "28.03.2027 01:59"},
        {QDateTime(QDate(2027, 3, 28), QTime(1, 0), Qt::UTC), "28.03.2027 03:00"},
        {QDateTime(QDate(2027, 10, 31), QTime(0, 59), Qt::UTC), "31.10.2027 02:59"},
        {QDateTime(QDate(2027, 10, 31), QTime(1, 0), Qt::UTC), "31.10.2027 02:00"},
        {QDateTime(QDate(2027, 12, 31), QTime(23, 30), Qt::UTC), "01.01.2028 00:30"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Termine::InSchulzeit(f.utc).toString(QStringLiteral("dd.MM.yyyy hh:mm")), QString::fromLatin1(f.schule))
            << f.schule;
}

TEST(TermineDatum, ATypedDateIsTakenAsTypedOrRefusedNamingTheText)
{
    const QString form = QStringLiteral(" ist kein Datum der Form TT.MM.JJJJ. Bitte geben Sie Tag, Monat und das Jahr "
                                        "mit vier Ziffern ein, z. B. 19.11.2026.");
    const struct {
        const char* text;
        QDate datum;
        QString fehler;
    } faelle[] = {
        {"28.03.2027", QDate(2027, 3, 28), {}},
        {" 1.2.2027 ", QDate(2027, 2, 1), {}},
        {"2027-10-31", QDate(2027, 10, 31), {}},
        {"29.02.2028", QDate(2028, 2, 29), {}},
        {"31.02.2027", {}, QStringLiteral("„31.02.2027“ ist kein gültiges Datum: Der Februar 2027 hat 28 Tage.")},
        {"31.04.2027", {}, QStringLiteral("„31.04.2027“ ist kein gültiges Datum: Der April 2027 hat 30 Tage.")},
        {"00.03.2027", {}, QStringLiteral("„00.03.2027“ ist kein gültiges Datum: Einen Tag 0 gibt es nicht.")},
        {"15.13.2027", {}, QStringLiteral("„15.13.2027“ ist kein gültiges Datum: Einen Monat 13 gibt es nicht.")},
        {"2027-02-30", {}, QStringLiteral("„2027-02-30“ ist kein gültiges Datum: Der Februar 2027 hat 28 Tage.")},
        // Partial or in another form: never completed by a guess.
        {"28.03.", {}, QStringLiteral("„28.03.“") + form},
        {"28.03.27", {}, QStringLiteral("„28.03.27“") + form},
        {"28.03", {}, QStringLiteral("„28.03“") + form},
        {"28/03/2027", {}, QStringLiteral("„28/03/2027“") + form},
        {"28.03.2027x", {}, QStringLiteral("„28.03.2027x“") + form},
        {"", {}, QStringLiteral("Bitte geben Sie das Datum des Elternsprechtags ein (TT.MM.JJJJ).")},
    };
    for (const auto& f : faelle) {
        const TDatumEingabe d = Termine::LiesDatum(QString::fromUtf8(f.text));
        EXPECT_EQ(d.Datum, f.datum) << f.text;
        EXPECT_EQ(d.Fehler, f.fehler) << f.text;
    }
    EXPECT_EQ(Termine::DatumMitWochentag(QDate(2027, 3, 28)), QStringLiteral("Sonntag, 28.03.2027"));
    EXPECT_EQ(Termine::DatumMitWochentag(QDate(2026, 11, 19)), QStringLiteral("Donnerstag, 19.11.2026"));
}

TEST(TermineDatum, APastDayOrAWeekendAsksOnce)
{
    const QDate heute(2026, 12, 11);
    const struct {
        QDate datum;
        const char* frage;
    } faelle[] = {
        {QDate(2026, 12, 11), ""},
        {QDate(2027, 3, 4), ""},
        {QDate(2027, 3, 28), "Der 28.03.2027 ist ein Sonntag. Trotzdem Termine für diesen Tag exportieren?"},
        {QDate(2027, 3, 27), "Der 27.03.2027 ist ein Samstag. Trotzdem Termine für diesen Tag exportieren?"},
        {QDate(2026, 11, 19), "Der 19.11.2026 liegt in der Vergangenheit. Trotzdem Termine für diesen Tag exportieren?"},
        {QDate(2026, 10, 25),
         "Der 25.10.2026 liegt in der Vergangenheit und ist ein Sonntag. Trotzdem Termine für diesen Tag exportieren?"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Termine::DatumRueckfrage(f.datum, heute), QString::fromUtf8(f.frage)) << f.frage;
}

TEST(TermineExport, WritesTheListAndOneCalendarPerFamily)
{
    TSprechtag tag;
    KniffligerTag(tag);
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("neu/Elternsprechtag"));
    QFile alt(dir.filePath(QStringLiteral("neu/Elternsprechtag/Kalender/8c Weggezogen.ics")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("neu/Elternsprechtag/Kalender"))));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.close();
    // Left over from an export that was killed two minutes ago: cleared away.
    QFile rest(dir.filePath(QStringLiteral("neu/Elternsprechtag/Kalender/.7b Weber, Anna.ics.kalumo-Ab3xYz")));
    ASSERT_TRUE(rest.open(QIODevice::WriteOnly));
    ASSERT_TRUE(rest.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    rest.close();

    const TTerminExport e = Termine::Exportiere(tag, ordner, Tag, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.Termine, 5);
    EXPECT_EQ(e.Kalender, 3);
    EXPECT_EQ(Lies(ordner + QStringLiteral("/Termine.csv")), QByteArray(ErwarteteCsv));
    EXPECT_EQ(QDir(ordner + QStringLiteral("/Kalender")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({QStringLiteral("5c Özdemir, Jürgen.ics"), QStringLiteral("6a Kalle Schmidt Meier.ics"),
                           QStringLiteral("7b Weber, Anna.ics"), QStringLiteral("8c Weggezogen.ics")}));
    EXPECT_EQ(e.Fremde, QStringList{QStringLiteral("8c Weggezogen.ics")});
    const QString bericht = Termine::Bericht(e);
    EXPECT_TRUE(bericht.contains(QStringLiteral("5 Termine"))) << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(QStringLiteral("1 Zeilen"))) << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(QStringLiteral("„8c Weggezogen.ics“"))) << bericht.toStdString();
}

TEST(Termine, EveryLineThatBeginsWithATimeIsExportedOrCountedAsMissing)
{
    const struct {
        QString zeile;
        int termine;
        int notizen;
        const char* grund; // of a missing talk
    } faelle[] = {
        {QStringLiteral("15:00 Uhr: Weber (R 12)"), 1, 0, nullptr},
        {QStringLiteral("15:00 Uhr: Weber\nKlasse (R 12)"), 1, 0, nullptr},
        {QStringLiteral("15:00 Uhr: \x01Weber\x7f"), 1, 0, nullptr},
        {QStringLiteral("15:00 Uhr: [ Schulz ]"), 0, 0, nullptr},
        {QStringLiteral("25:10 Uhr: Weber (R 12)"), 0, 0, "es die Uhrzeit „25:10“ nicht gibt"},
        {QStringLiteral("15:70 Uhr: Weber (R 12)"), 0, 0, "es die Uhrzeit „15:70“ nicht gibt"},
        {QStringLiteral("15.10 Uhr: Weber (R 12)"), 0, 0, "die Uhrzeit nicht die Form „hh:mm Uhr: “ hat"},
        {QStringLiteral("9:10 Weber"), 0, 0, "die Uhrzeit nicht die Form „hh:mm Uhr: “ hat"},
        {QStringLiteral("Anruf: kommt später"), 0, 1, nullptr},
        {QStringLiteral("15:00 Uhr: "), 0, 1, nullptr},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        BerechnungTest::Rahmen(tag, 15, 0, 18, 0, 10);
        BerechnungTest::Eltern(tag, Anna).Zeitplan.Setze({f.zeile});
        tag.PlaeneGueltig = true;
        const TTerminListe liste = Termine::Lies(tag);
        EXPECT_EQ(int(liste.Termine.size()), f.termine) << f.zeile.toStdString();
        EXPECT_EQ(liste.Uebersprungen, f.notizen) << f.zeile.toStdString();
        ASSERT_EQ(liste.Fehlend.size(), f.grund ? 1u : 0u) << f.zeile.toStdString();
        if (f.grund) {
            EXPECT_EQ(liste.Fehlend[0].Eintrag, Anna);
            EXPECT_EQ(liste.Fehlend[0].Zeile, f.zeile);
            EXPECT_EQ(liste.Fehlend[0].Grund, QString::fromUtf8(f.grund));
        }
    }
}

TEST(TermineExport, AMissingTalkIsNamedInTheReport)
{
    TSprechtag tag;
    KniffligerTag(tag);
    TEltern* oezdemir = tag.Eltern.Suche(Oezdemir);
    oezdemir->Zeitplan.Setze({Z("16:50", Weber), QStringLiteral("25:10 Uhr: Schulz")});
    QTemporaryDir dir;
    const TTerminExport e = Termine::Exportiere(tag, dir.path(), Tag, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_FALSE(e.Vollstaendig());
    EXPECT_EQ(e.Termine, 5);
    const QString bericht = Termine::Bericht(e);
    EXPECT_TRUE(bericht.contains(QStringLiteral("\r1 Termine der Elternpläne fehlen im Export:\r„5c: Özdemir, Jürgen“: "
                                                "„25:10 Uhr: Schulz“, weil es die Uhrzeit „25:10“ nicht gibt.")))
        << bericht.toStdString();
}

/// An entry for each control character (U+0000 to U+001F and U+007F), as a damaged or
/// hostile file could hold them, each with one talk at a teacher whose name holds a line
/// break and a tab.
struct TSteuerzeichenTag {
    QString lehrer = QStringLiteral("Weber\nKlasse (R\t12)");
    std::vector<char16_t> zeichen;
    TSteuerzeichenTag(TSprechtag& tag)
    {
        for (char16_t c = 0; c < 0x20; ++c)
            zeichen.push_back(c);
        zeichen.push_back(0x7f);
        BerechnungTest::Rahmen(tag, 15, 0, 21, 0, 10);
        TLehrer& l = tag.Lehrer.Record(tag.Lehrer.Einfuegen(lehrer));
        for (size_t i = 0; i < zeichen.size(); ++i) {
            const QString eintrag = Eintrag(i);
            const QString zeit = Termine::Uhrzeit(15 * 60 + 10 * int(i)) + QStringLiteral(" Uhr: ");
            tag.Eltern.Record(tag.Eltern.Einfuegen(eintrag)).Zeitplan.Setze({zeit + lehrer});
            l.Zeitplan.append(zeit + eintrag);
        }
        tag.PlaeneGueltig = true;
    }
    QString Eintrag(size_t i) const
    {
        return QStringLiteral("7b: Vor") + QChar(zeichen[i]) + QStringLiteral("Nach %1").arg(i, 2, 10, QLatin1Char('0'));
    }
};

TEST(TermineExport, NamesHoldingControlCharactersLoseNoTalk)
{
    TSprechtag tag;
    const TSteuerzeichenTag steuer(tag);
    QTemporaryDir dir;
    const QDate datum(2027, 3, 28);
    const TTerminExport e = Termine::Exportiere(tag, dir.path(), datum, QDateTime(datum, QTime(9, 0), Qt::UTC));
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_TRUE(e.Vollstaendig());
    EXPECT_EQ(e.Uebersprungen, 0);
    EXPECT_EQ(e.Termine, 33);
    EXPECT_EQ(e.Kalender, 33);
    int ereignisse = 0;
    QByteArray alle;
    for (const QFileInfo& f : QDir(dir.filePath(QStringLiteral("Kalender"))).entryInfoList(QDir::Files)) {
        const QByteArray ics = Lies(f.filePath());
        ereignisse += int(ics.count("BEGIN:VEVENT"));
        alle += ics;
    }
    EXPECT_EQ(ereignisse, 33);
    // Written out by hand: a line break escaped, a tab kept, any other control character a blank.
    for (const char* teil : {"SUMMARY:Elternsprechtag: Weber\\nKlasse (R\t12)\r\nLOCATION:R\t12\r\n"
                             "DESCRIPTION:Für 7b: Vor\\nNach 10\r\n",
                             "DTSTART;TZID=Europe/Berlin:20270328T151000\r\n", "DESCRIPTION:Für 7b: Vor Nach 01\r\n",
                             "DESCRIPTION:Für 7b: Vor\\nNach 13\r\n", "DESCRIPTION:Für 7b: Vor Nach 00\r\n",
                             "DESCRIPTION:Für 7b: Vor Nach 32\r\n", "DESCRIPTION:Für 7b: Vor\tNach 09\r\n"})
        EXPECT_TRUE(alle.contains(teil)) << teil;
    const QByteArray csv = Lies(dir.filePath(QStringLiteral("Termine.csv")));
    EXPECT_TRUE(csv.contains("\r\n28.03.2027;15:10;15:20;\"Weber\nKlasse (R\t12)\";R\t12;7b: Vor Nach 01\r\n"));
    EXPECT_TRUE(csv.contains("\r\n28.03.2027;16:40;16:50;\"Weber\nKlasse (R\t12)\";R\t12;\"7b: Vor\nNach 10\"\r\n"));
    EXPECT_FALSE(csv.contains('\0'));

#ifdef KALUMO_DEBIAN_PYTHON
    // An independent reader: Python's csv and icalendar must find the same 33 talks.
    if (QFileInfo(QStringLiteral(KALUMO_DEBIAN_PYTHON)).isExecutable()) {
        QProcess p;
        p.start(QStringLiteral(KALUMO_DEBIAN_PYTHON),
                {QStringLiteral(KALUMO_ICS_PRUEFER), dir.path(), QStringLiteral("2027-03-28"), QStringLiteral("10"),
                 QStringLiteral("33")});
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().constData() << p.readAllStandardError().constData();
    }
#endif
}

TEST(TermineExport, LongNamesAreCappedInBytesAndStayUnique)
{
    const QString euro120 = QString(120, QChar(0x20AC));
    const QString a = QStringLiteral("7b: ") + euro120 + u'A';
    const QString b = QStringLiteral("7b: ") + euro120 + u'B';
    ASSERT_EQ(QFile::encodeName(QStringLiteral("7b: ") + euro120).size(), 364);
    TSprechtag tag;
    BerechnungTest::Rahmen(tag, 15, 0, 18, 0, 10);
    BerechnungTest::Lehrer(tag, Schulz);
    tag.Eltern.Record(tag.Eltern.Einfuegen(a)).Zeitplan.Setze({Z("15:00", Schulz)});
    tag.Eltern.Record(tag.Eltern.Einfuegen(b)).Zeitplan.Setze({Z("15:10", Schulz)});
    tag.PlaeneGueltig = true;
    // By hand: "7b " is 3 bytes, each euro sign 3; 196 bytes hold 64 signs, and with
    // " (2)" (4 bytes) 192 bytes hold 63.
    const QStringList erwartet = {QStringLiteral("7b ") + QString(64, QChar(0x20AC)),
                                  QStringLiteral("7b ") + QString(63, QChar(0x20AC)) + QStringLiteral(" (2)")};
    EXPECT_EQ(Kalender::Dateinamen(Termine::Lies(tag), tag), erwartet);
    QTemporaryDir dir;
    const TTerminExport e = Termine::Exportiere(tag, dir.path(), Tag, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.Kalender, 2);
    for (const QString& n : erwartet) {
        EXPECT_LE(QFile::encodeName(n + QStringLiteral(".ics")).size(), 200);
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Kalender/") + n + QStringLiteral(".ics"))));
    }
    // A cut never splits a character: a surrogate pair or a base letter and its accent.
    EXPECT_EQ(Kalender::Kuerze(QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600"), 5), QStringLiteral("ab"));
    EXPECT_EQ(Kalender::Kuerze(QStringLiteral("abe\u0301"), 4), QStringLiteral("ab"));
}

int g_flushe = 0;
int FlushScheitertBeimDritten(int fd)
{
    if (++g_flushe == 3) {
        errno = ENOSPC;
        return -1;
    }
    return ::fdatasync(fd);
}

/// Every entry below `ordner` with its bytes, hidden ones included.
QStringList Bestand(const QString& ordner)
{
    QStringList b;
    QDirIterator it(ordner, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo i(it.next());
        b << QDir(ordner).relativeFilePath(i.filePath()) + u' ' + QString::fromLatin1(Lies(i.filePath()).toHex());
    }
    b.sort();
    return b;
}

TEST(TermineExport, AFailingFileLeavesTheOldExportWholeAndASecondExportReplacesIt)
{
    QTemporaryDir dir;
    TSprechtag tag;
    KniffligerTag(tag);
    ASSERT_TRUE(Termine::Exportiere(tag, dir.path(), Tag, QDateTime::currentDateTimeUtc()).ok());
    // A file of the user's in the calendar folder and beside it.
    QFile eigene(dir.filePath(QStringLiteral("Kalender/Notiz.txt")));
    ASSERT_TRUE(eigene.open(QIODevice::WriteOnly));
    eigene.write("meins");
    eigene.close();
    const QStringList vorher = Bestand(dir.path());

    // Özdemir moves to 17:00: the second export differs from the first.
    tag.Eltern.Suche(Oezdemir)->Zeitplan.Setze({Z("17:00", Weber)});
    const QDate neuerTag(2026, 11, 19);
    // The third file fails to reach the disk; or the disk is full, as a file size limit
    // that binds root as well (the list, the largest file, no longer fits).
    const std::function<TTerminExport()> fehlschlaege[] = {
        [&] {
            g_flushe = 0;
            const auto vorherFlush = Dateisystem::Pruefhilfe::SetzeFlush(FlushScheitertBeimDritten);
            const TTerminExport e = Termine::Exportiere(tag, dir.path(), neuerTag, QDateTime::currentDateTimeUtc());
            Dateisystem::Pruefhilfe::SetzeFlush(vorherFlush);
            return e;
        },
        [&] {
            rlimit vorherGrenze{};
            getrlimit(RLIMIT_FSIZE, &vorherGrenze);
            const auto vorherSignal = std::signal(SIGXFSZ, SIG_IGN);
            rlimit eng = vorherGrenze;
            eng.rlim_cur = 400;
            setrlimit(RLIMIT_FSIZE, &eng);
            const TTerminExport e = Termine::Exportiere(tag, dir.path(), neuerTag, QDateTime::currentDateTimeUtc());
            setrlimit(RLIMIT_FSIZE, &vorherGrenze);
            std::signal(SIGXFSZ, vorherSignal);
            return e;
        },
    };
    for (const auto& exportiere : fehlschlaege) {
        const TTerminExport e = exportiere();
        EXPECT_FALSE(e.ok());
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("wurde nicht gespeichert"))) << e.Fehler.toStdString();
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("Es wurde nichts exportiert; „Termine.csv“ und der Ordner "
                                                     "„Kalender“ sind unverändert.")))
            << e.Fehler.toStdString();
        EXPECT_EQ(Bestand(dir.path()), vorher);
    }

    const TTerminExport e = Termine::Exportiere(tag, dir.path(), neuerTag, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_TRUE(Lies(dir.filePath(QStringLiteral("Termine.csv"))).contains("19.11.2026;17:00;17:10;Weber (R 12)"));
    EXPECT_TRUE(Lies(dir.filePath(QStringLiteral("Kalender/5c Özdemir, Jürgen.ics"))).contains("T170000\r\n"));
    EXPECT_EQ(Lies(dir.filePath(QStringLiteral("Kalender/Notiz.txt"))), QByteArray("meins"));
    EXPECT_TRUE(e.Fremde.isEmpty());
    // No work folder stays behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("Kalender"), QStringLiteral("Termine.csv")}));
}

TEST(TermineExport, RefusesWithoutWritingAnything)
{
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("aus"));
    QFile datei(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    QDir(dir.path()).mkdir(QStringLiteral("mit_kalender_datei"));
    QFile kalender(dir.filePath(QStringLiteral("mit_kalender_datei/Kalender")));
    ASSERT_TRUE(kalender.open(QIODevice::WriteOnly));
    kalender.close();
    QDir(dir.path()).mkdir(QStringLiteral("mit_verknuepfung"));
    QDir(dir.path()).mkdir(QStringLiteral("anderswo"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("anderswo")),
                            dir.filePath(QStringLiteral("mit_verknuepfung/Kalender"))));

    const struct {
        const char* fall;
        bool gueltig;
        QDate datum;
        QString ordner;
        const char* meldung;
    } faelle[] = {
        {"ohne Pläne", false, QDate(2026, 11, 19), ordner, "Es liegen keine gültigen Zeitpläne vor."},
        {"ohne Datum", true, QDate(), ordner, "Bitte geben Sie ein gültiges Datum"},
        {"ohne Ordner", true, QDate(2026, 11, 19), QStringLiteral("  "), "Bitte geben Sie einen Zielordner an."},
        {"Ordner ist Datei", true, QDate(2026, 11, 19), dir.filePath(QStringLiteral("datei")), "datei“ ist kein Ordner."},
        {"Kalender ist Datei", true, QDate(2026, 11, 19), dir.filePath(QStringLiteral("mit_kalender_datei")),
         "Kalender“ ist kein Ordner."},
        {"Kalender ist Verknüpfung", true, QDate(2026, 11, 19), dir.filePath(QStringLiteral("mit_verknuepfung")),
         "Kalender“ ist eine Verknüpfung auf einen anderen Ort."},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        KniffligerTag(tag);
        tag.PlaeneGueltig = f.gueltig;
        const TTerminExport e = Termine::Exportiere(tag, f.ordner, f.datum, QDateTime::currentDateTimeUtc());
        EXPECT_TRUE(e.Fehler.contains(QString::fromUtf8(f.meldung))) << f.fall << ": " << e.Fehler.toStdString();
        EXPECT_FALSE(QFile::exists(ordner)) << f.fall;
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mit_kalender_datei/Termine.csv")))) << f.fall;
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mit_verknuepfung/Termine.csv")))) << f.fall;
        EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("anderswo"))).isEmpty()) << f.fall;
    }
}

} // namespace
