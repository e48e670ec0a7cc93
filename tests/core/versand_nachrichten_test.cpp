// Mails as bytes: encoded words and dates as written by hand, no header a name could add,
// one mail per family to the union of its entries' addresses with the talks as lines.
#include "termine/kalender.h"
#include "termine_tag.h"
#include "versand/mime.h"
#include "versand/nachrichten.h"
#include "versand/protokoll.h"

#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

TEST(VersandMime, KodierteWorteUndDatum)
{
    EXPECT_EQ(Versand::KodiereWort(QStringLiteral("Plain ASCII")), QByteArray("Plain ASCII"));
    EXPECT_EQ(Versand::KodiereWort(QStringLiteral("Groß")), QByteArray("=?UTF-8?B?R3Jvw58=?="));
    // 22 bytes of UTF-8 fit one word.
    EXPECT_EQ(Versand::KodiereWort(QStringLiteral("5c: Özdemir, Jürgen")), QByteArray("=?UTF-8?B?NWM6IMOWemRlbWlyLCBKw7xyZ2Vu?="));
    // Long texts become several words on folded lines, none longer than 75 characters,
    // and never split inside a character.
    const QByteArray lang = Versand::KodiereWort(QString(60, QChar(u'ü')));
    for (const QByteArray& wort : lang.split('\n')) {
        EXPECT_LE(wort.trimmed().size(), 75);
        EXPECT_TRUE(wort.trimmed().startsWith("=?UTF-8?B?"));
        EXPECT_TRUE(QByteArray::fromBase64(wort.trimmed().mid(10).chopped(2)).size() % 2 == 0);
    }
    const QDateTime winter(QDate(2026, 3, 4), QTime(18, 30, 5), QTimeZone(3600));
    EXPECT_EQ(Versand::Datumszeile(winter).toStdString(), "Wed, 04 Mar 2026 18:30:05 +0100");
    const QDateTime west(QDate(2026, 10, 1), QTime(7, 0), QTimeZone(-5 * 3600 - 1800));
    EXPECT_EQ(Versand::Datumszeile(west).toStdString(), "Thu, 01 Oct 2026 07:00:00 -0530");
}

TEST(VersandMime, KeinNameFuegtEineKopfzeileHinzu)
{
    Versand::TMail m;
    m.Absender = QStringLiteral("schule@example.org");
    m.AbsenderName = QStringLiteral("Schule\r\nBcc: alle@example.org");
    m.EmpfaengerName = QStringLiteral("5a: Groß\nX-Falsch: 1");
    m.An = {QStringLiteral("a@example.org")};
    m.Betreff = QStringLiteral("Termine\r\nBcc: boese@example.org");
    m.Text = QStringLiteral("Zeile 1\nZeile 2");
    m.MessageId = QStringLiteral("1@example.org");
    m.Datum = QDateTime(QDate(2026, 3, 4), QTime(12, 0), QTimeZone(3600));
    m.Anhaenge.push_back({QStringLiteral("Groß\r\nX: y.ics"), "text/calendar; charset=UTF-8", "BEGIN:VCALENDAR\r\n"});
    const QByteArray b = Versand::Mime(m);
    const QByteArray kopf = b.left(b.indexOf("\r\n\r\n"));
    for (const QByteArray& zeile : kopf.split('\n')) {
        EXPECT_FALSE(zeile.startsWith("Bcc")) << zeile.constData();
        EXPECT_FALSE(zeile.startsWith("X-Falsch")) << zeile.constData();
    }
    EXPECT_FALSE(b.contains("\nX: y")) << b.constData();
    EXPECT_TRUE(kopf.contains("Message-ID: <1@example.org>"));
    EXPECT_TRUE(kopf.contains("Date: Wed, 04 Mar 2026 12:00:00 +0100"));
    EXPECT_TRUE(b.contains("filename*=UTF-8''Gro%C3%9F%20%20X%3A%20y.ics"));
    // Every line ends in CR LF and stays short.
    for (const QByteArray& zeile : b.split('\n')) {
        EXPECT_LE(zeile.size(), 79);
        if (!zeile.isEmpty()) {
            EXPECT_TRUE(zeile.endsWith('\r')) << zeile.constData();
        }
    }
}

TEST(VersandNachrichten, EineMailJeFamilieAnAlleAdressenMitDenTerminen)
{
    using namespace TermineTest;
    TSprechtag tag;
    KniffligerTag(tag);
    tag.Eltern.Suche(Anna)->EMail = {QStringLiteral("mutter@example.org"), QStringLiteral("vater@example.org")};
    tag.Eltern.Suche(Ben)->EMail = {QStringLiteral("VATER@example.org"), QStringLiteral("ben@example.org")};
    tag.Eltern.Suche(Oezdemir)->EMail = {QStringLiteral("oezdemir@example.org")};
    tag.Lehrer.Suche(Schulz)->EMail = {QStringLiteral("schulz@schule.example")};
    Versand::TAngaben a;
    a.Schule = QStringLiteral("Schule am Hügel");
    a.Datum = QDate(2026, 3, 4);
    a.Stempel = QDateTime(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC);
    a.Absender = QStringLiteral("post@schule.example");

    const Versand::TNachrichten n = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a);
    // Kalle's family has no address; Weber and Müller neither.
    EXPECT_EQ(n.OhneAdresse.join(u'|').toStdString(), (QStringList{Kalle, Mueller, Weber}).join(u'|').toStdString());
    ASSERT_EQ(n.Liste.size(), 3u);
    const Versand::TNachricht& oez = n.Liste[0];
    EXPECT_EQ(oez.Was, QStringLiteral("Plan ") + Oezdemir);
    EXPECT_EQ(oez.Mail.An, QStringList{QStringLiteral("oezdemir@example.org")});
    EXPECT_EQ(oez.Mail.Betreff, QStringLiteral("Elternsprechtag am Mittwoch, 04.03.2026: Ihre Termine"));
    EXPECT_TRUE(oez.Mail.Text.contains(QStringLiteral("\n\n16:50–17:00 Uhr  Weber (R 12), Raum R 12\n\n")))
        << oez.Mail.Text.toStdString();
    EXPECT_TRUE(oez.Mail.Text.contains(QStringLiteral("Schule am Hügel")));

    const Versand::TNachricht& weber = n.Liste[1];
    EXPECT_EQ(weber.Mail.EmpfaengerName, Anna + QStringLiteral(", ") + Ben);
    EXPECT_EQ(weber.Mail.An, (QStringList{QStringLiteral("mutter@example.org"), QStringLiteral("vater@example.org"),
                                          QStringLiteral("ben@example.org")}));
    EXPECT_TRUE(weber.Mail.Text.contains(QStringLiteral("15:00–15:10 Uhr  Weber (R 12), Raum R 12  (") + Anna + u')'));
    EXPECT_TRUE(weber.Mail.Text.contains(QStringLiteral("15:10–15:20 Uhr  Schulz  (") + Ben + u')'));
    ASSERT_EQ(weber.Mail.Anhaenge.size(), 1u);
    const TTerminListe liste = Termine::Lies(tag);
    EXPECT_EQ(weber.Mail.Anhaenge[0].Name, Kalender::Dateinamen(liste, tag)[2] + QStringLiteral(".ics"));
    EXPECT_EQ(weber.Mail.Anhaenge[0].Daten, Kalender::Familie(liste, 2, a.Datum, a.Stempel));

    const Versand::TNachricht& schulz = n.Liste[2];
    EXPECT_EQ(schulz.Was, QStringLiteral("Termine Schulz"));
    EXPECT_TRUE(schulz.Mail.Text.contains(QStringLiteral("15:00–15:10 Uhr  ") + Kalle + QStringLiteral("\n15:10–15:20 Uhr  ") + Ben));

    // The check value follows the plan, not the time of sending.
    a.Stempel = a.Stempel.addDays(1);
    EXPECT_EQ(Versand::Baue(tag, Versand::TEmpfaenger::Eltern, a).Liste[1].Pruefwert, weber.Pruefwert);
    tag.Eltern.Suche(Ben)->Zeitplan.Setze({G("15:00", Weber), Z("15:40", Schulz), G("15:20", Mueller)});
    EXPECT_NE(Versand::Baue(tag, Versand::TEmpfaenger::Eltern, a).Liste[1].Pruefwert, weber.Pruefwert);
}

// Two families (Özdemir; Weber with Anna and Ben) and the teacher Schulz with an address:
// three mails, each with a PDF when asked for.
void DreiMitAdresse(TSprechtag& tag)
{
    using namespace TermineTest;
    KniffligerTag(tag);
    tag.Eltern.Suche(Anna)->EMail = {QStringLiteral("weber@example.org")};
    tag.Eltern.Suche(Oezdemir)->EMail = {QStringLiteral("oezdemir@example.org")};
    tag.Lehrer.Suche(Schulz)->EMail = {QStringLiteral("schulz@schule.example")};
}

Versand::TAngaben AngabenOhneSchule()
{
    Versand::TAngaben a;
    a.Datum = QDate(2026, 3, 4);
    a.Absender = QStringLiteral("post@schule.example");
    return a;
}

TEST(VersandNachrichten, PdfAnhaengeUndPruefwert)
{
    using namespace TermineTest;
    TSprechtag tag;
    DreiMitAdresse(tag);
    const Versand::TAngaben a = AngabenOhneSchule();
    // Every PDF comes out with other bytes, as a real one with its creation time does.
    int lauf = 0;
    bool oezdemirScheitert = false;
    QStringList gefragt;
    const Versand::TPlanPdf plan = [&](const QStringList& eintraege) {
        gefragt.append(eintraege.join(u'+'));
        return eintraege.contains(Oezdemir) && oezdemirScheitert ? QByteArray() : QByteArray("PDF ") + QByteArray::number(++lauf);
    };
    const Versand::TTuerPdf tuer = [&](const QString& lehrer) {
        gefragt.append(lehrer);
        return QByteArray("TÜR ") + QByteArray::number(++lauf);
    };
    const Versand::TNachrichten n = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a, plan, tuer);
    EXPECT_EQ(gefragt, (QStringList{Oezdemir, Anna + u'+' + Ben, Schulz}));
    ASSERT_EQ(n.Liste.size(), 3u);
    EXPECT_EQ(n.Liste[1].Mail.Anhaenge.back().Daten, QByteArray("PDF 2"));
    EXPECT_EQ(n.Liste[2].Mail.Anhaenge.back().Name, QStringLiteral("Türliste Schulz.pdf"));
    EXPECT_EQ(n.Liste[2].Mail.Anhaenge.back().Typ, "application/pdf");

    const Versand::TNachrichten wieder = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a, plan, tuer);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(wieder.Liste[i].Pruefwert, n.Liste[i].Pruefwert) << i;
    // A line typed into a plan is no talk, yet it is on the paper that goes out.
    tag.Eltern.Suche(Ben)->Zeitplan.Hinzufuegen(QStringLiteral("Bitte Zeugnis mitbringen"));
    tag.Lehrer.Suche(Schulz)->Zeitplan.append(QStringLiteral("Raum wechselt um 16 Uhr"));
    const Versand::TNachrichten geaendert = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a, plan, tuer);
    EXPECT_EQ(geaendert.Liste[0].Pruefwert, n.Liste[0].Pruefwert);
    EXPECT_NE(geaendert.Liste[1].Pruefwert, n.Liste[1].Pruefwert);
    EXPECT_NE(geaendert.Liste[2].Pruefwert, n.Liste[2].Pruefwert);

    // A PDF that could not be made keeps its mail back and says so; the others still come.
    oezdemirScheitert = true;
    const Versand::TNachrichten ohne = Versand::Baue(tag, Versand::TEmpfaenger::Eltern, a, plan, tuer);
    ASSERT_EQ(ohne.Liste.size(), 1u);
    EXPECT_EQ(ohne.Liste[0].Was, QStringLiteral("Plan ") + Anna);
    EXPECT_EQ(ohne.Fehler, QStringList{QStringLiteral("Plan ") + Oezdemir
                                       + QStringLiteral(": Der Plan ließ sich nicht als PDF-Datei erzeugen.")});
}

TEST(VersandNachrichten, UebersprungeneNachrichtZeichnetKeinPdf)
{
    using namespace TermineTest;
    TSprechtag tag;
    DreiMitAdresse(tag);
    const Versand::TAngaben a = AngabenOhneSchule();
    QStringList gezeichnet;
    const Versand::TPlanPdf plan = [&](const QStringList& eintraege) {
        gezeichnet.append(eintraege.join(u'+'));
        return QByteArray("PDF");
    };
    const Versand::TTuerPdf tuer = [&](const QString& lehrer) {
        gezeichnet.append(lehrer);
        return QByteArray("TÜR");
    };
    const Versand::TNachrichten alle = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a, plan, tuer);
    ASSERT_EQ(alle.Liste.size(), 3u);

    // Özdemir's family and Schulz are in the log: only the Weber family's plan is drawn.
    gezeichnet.clear();
    QStringList gefragtMitWert;
    const Versand::TMitPdf mitPdf = [&](const Versand::TNachricht& n) {
        gefragtMitWert.append(n.Was + u' ' + n.Pruefwert);
        return n.Was == QStringLiteral("Plan ") + Anna;
    };
    const Versand::TNachrichten nurNeue = Versand::Baue(tag, Versand::TEmpfaenger::Alle, a, plan, tuer, mitPdf);
    EXPECT_EQ(gezeichnet, QStringList{Anna + u'+' + Ben});
    ASSERT_EQ(nurNeue.Liste.size(), 3u);
    EXPECT_TRUE(nurNeue.Fehler.isEmpty());
    for (size_t i = 0; i < 3; ++i) {
        // The question comes with the final check value: the one the log holds for the
        // message as it was sent with its PDF.
        EXPECT_EQ(gefragtMitWert[qsizetype(i)], alle.Liste[i].Was + u' ' + alle.Liste[i].Pruefwert) << i;
        EXPECT_EQ(nurNeue.Liste[i].Pruefwert, alle.Liste[i].Pruefwert) << i;
        EXPECT_EQ(nurNeue.Liste[i].Mail.Anhaenge.back().Name, alle.Liste[i].Mail.Anhaenge.back().Name) << i;
        EXPECT_FALSE(Versand::OhnePdf(alle.Liste[i])) << i;
    }
    EXPECT_TRUE(Versand::OhnePdf(nurNeue.Liste[0]));
    EXPECT_FALSE(Versand::OhnePdf(nurNeue.Liste[1]));
    EXPECT_EQ(nurNeue.Liste[1].Mail.Anhaenge.back().Daten, QByteArray("PDF"));
    EXPECT_TRUE(Versand::OhnePdf(nurNeue.Liste[2]));
    // Without attachments asked for there is no PDF to miss.
    EXPECT_FALSE(Versand::OhnePdf(Versand::Baue(tag, Versand::TEmpfaenger::Alle, a).Liste[0]));
}

TEST(VersandProtokoll, ZeilenKommenUnveraendertZurueck)
{
    QTemporaryDir dir;
    const QString pfad = Versand::ProtokollPfad(dir.filePath(QStringLiteral("Herbst 2026.qvt")));
    EXPECT_EQ(pfad, dir.filePath(QStringLiteral("Herbst 2026.versand.csv")));
    const QDateTime t(QDate(2026, 3, 4), QTime(18, 0), QTimeZone(3600));
    const std::vector<Versand::TProtokollZeile> zeilen{
        {t, QStringLiteral("-x@example.org"), QStringLiteral("Plan 5a: \"Kalle\"; Groß"), QStringLiteral("ab12"),
         Versand::ErgebnisVersendet, QStringLiteral("250 OK; queued\r\nas 1")},
        {t, QStringLiteral("b@example.org"), QStringLiteral("Plan 6b"), QStringLiteral("cd34"), Versand::ErgebnisAbgewiesen,
         QStringLiteral("550 unbekannt")}};
    ASSERT_TRUE(Versand::ProtokollSchreiben(pfad, {zeilen[0]}).isEmpty());
    ASSERT_TRUE(Versand::ProtokollSchreiben(pfad, {zeilen[1]}).isEmpty());
    const auto gelesen = Versand::ProtokollLesen(pfad);
    ASSERT_EQ(gelesen.size(), 2u);
    EXPECT_EQ(gelesen[0].Empfaenger, QStringLiteral("-x@example.org"));
    EXPECT_EQ(gelesen[0].Was, QStringLiteral("Plan 5a: \"Kalle\"; Groß"));
    EXPECT_EQ(gelesen[0].Antwort, QStringLiteral("250 OK; queued  as 1"));
    EXPECT_EQ(gelesen[1].Ergebnis, Versand::ErgebnisAbgewiesen);
    const QSet<QString> v = Versand::Versendet(gelesen);
    EXPECT_TRUE(v.contains(Versand::Schluessel(QStringLiteral("-X@example.org"), zeilen[0].Was, QStringLiteral("ab12"))));
    EXPECT_FALSE(v.contains(Versand::Schluessel(QStringLiteral("b@example.org"), QStringLiteral("Plan 6b"), QStringLiteral("cd34"))));
}

} // namespace
