// Appointment export: the list of every talk as a golden text written by hand, the calendar
// format's escaping and folding with hand-worked expectations, families and file names,
// and the export's refusals.
#include "termine_tag.h"

#include "datei/datei.h"
#include "termine/export.h"
#include "termine/kalender.h"
#include "termine/termincsv.h"
#include "termine/termine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TermineTest;

namespace {

// Worked out by hand from the plan lines of KniffligerTag: entries in list order, own
// lines only (the bracketed ones belong to the sibling), end = begin + 10 minutes.
const char* const ErwarteteCsv =
    "\xEF\xBB\xBF"
    "Beginn;Ende;Lehrkraft;Raum;Eintrag\r\n"
    "16:50;17:00;Weber (R 12);R 12;5c: Özdemir, Jürgen\r\n"
    "15:00;15:10;Schulz;;\"6a: \"\"Kalle\"\" Schmidt/Meier\"\r\n"
    "15:00;15:10;Weber (R 12);R 12;7b: Weber, Anna\r\n"
    "15:20;15:30;\"Dr. Müller-Lüdenscheidt; Fachbereich Naturwissenschaften, Chemie\\Physik (Raum 1.23, "
    "Altbau)\";Raum 1.23, Altbau;7b: Weber, Anna\r\n"
    "15:10;15:20;Schulz;;9a: Weber, Ben\r\n";

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
    EXPECT_EQ(Termine::Csv(liste), QByteArray(ErwarteteCsv));
    EXPECT_EQ(liste.Uebersprungen, 1); // "Anruf: kommt später"

    // The same day as the file the command-line tests use.
    TSprechtag geladen;
    ASSERT_TRUE(Datei::Laden(geladen, QStringLiteral(KALUMO_TESTDATEN "/termine.qvt"), TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(Termine::Csv(Termine::Lies(geladen)), QByteArray(ErwarteteCsv));
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
    EXPECT_EQ(Kalender::Dateiname(QString(300, u'x')).size(), 100);

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

    const TTerminExport e = Termine::Exportiere(tag, ordner, QDate(2026, 11, 19), QDateTime::currentDateTimeUtc());
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
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        KniffligerTag(tag);
        tag.PlaeneGueltig = f.gueltig;
        const TTerminExport e = Termine::Exportiere(tag, f.ordner, f.datum, QDateTime::currentDateTimeUtc());
        EXPECT_TRUE(e.Fehler.contains(QString::fromUtf8(f.meldung))) << f.fall << ": " << e.Fehler.toStdString();
        EXPECT_FALSE(QFile::exists(ordner)) << f.fall;
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mit_kalender_datei/Termine.csv")))) << f.fall;
    }
}

} // namespace
