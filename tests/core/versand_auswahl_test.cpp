// What a send run offers, read from a hand-written send log, and the mail server settings
// in qvt.ini: the keys kalumo-cli reads, never a password, every refused field named.
#include "ini/inidatei.h"
#include "versand/auswahl.h"
#include "versand/einstellungen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

Versand::TNachricht Nachricht(const char* was, const char* wert, QStringList an, QStringList eintraege)
{
    Versand::TNachricht n;
    n.Was = S(was);
    n.Pruefwert = S(wert);
    n.Mail.An = std::move(an);
    n.Mail.Betreff = S("Ihre Termine");
    n.Mail.EmpfaengerName = eintraege.join(S(", "));
    n.Eintraege = std::move(eintraege);
    return n;
}

TEST(VersandAuswahl, StandAusDemProtokollUndAuswahlNachNamen)
{
    const std::vector<Versand::TNachricht> alle = {
        Nachricht("Plan 5a: Groß", "aaaa", {S("mama@example.org"), S("papa@example.org")}, {S("5a: Groß"), S("7c: Groß")}),
        Nachricht("Plan 6b: Kurz", "bbbb", {S("kurz@example.org")}, {S("6b: Kurz")}),
        Nachricht("Plan 8d: Lang", "cccc", {S("lang@example.org")}, {S("8d: Lang")}),
        Nachricht("Plan 9e: Neu", "dddd", {S("neu@example.org")}, {S("9e: Neu")}),
        Nachricht("Termine Abel (7)", "eeee", {S("abel@schule.example")}, {S("Abel (7)")}),
    };
    const QDateTime t(QDate(2026, 3, 4), QTime(18, 0));
    const std::vector<Versand::TProtokollZeile> protokoll = {
        // Groß: both addresses have this content (the case of an address does not count).
        {t, S("MAMA@example.org"), S("Plan 5a: Groß"), S("aaaa"), Versand::ErgebnisVersendet, S("250")},
        {t, S("papa@example.org"), S("Plan 5a: Groß"), S("aaaa"), Versand::ErgebnisVersendet, S("250")},
        // Kurz: sent with an earlier plan.
        {t, S("kurz@example.org"), S("Plan 6b: Kurz"), S("alt1"), Versand::ErgebnisVersendet, S("250")},
        // Lang: refused, so not sent.
        {t, S("lang@example.org"), S("Plan 8d: Lang"), S("cccc"), Versand::ErgebnisAbgewiesen, S("550")},
        // A test mail says nothing about the plan itself.
        {t, S("ich@schule.example"), S("Probe Termine Abel (7)"), S("eeee"), Versand::ErgebnisVersendet, S("250")},
    };
    const Versand::TProtokollStand stand(protokoll);
    const auto zeige = [&](const Versand::TAuswahl& a) {
        QStringList t;
        for (const Versand::TAngebot& x : Versand::Anbieten(alle, a, stand))
            t << x.Nachricht.Was + S(": ") + Versand::StandText(x.Stand);
        return t;
    };
    EXPECT_EQ(zeige({{}, false}), QStringList({S("Plan 5a: Groß: versendet"), S("Plan 6b: Kurz: geändert"), S("Plan 8d: Lang: neu"),
                                              S("Plan 9e: Neu: neu"), S("Termine Abel (7): neu")}));
    EXPECT_EQ(zeige({{}, true}), QStringList({S("Plan 6b: Kurz: geändert"), S("Plan 8d: Lang: neu"), S("Plan 9e: Neu: neu"),
                                             S("Termine Abel (7): neu")}));
    // Any entry of a family selects its mail, a teacher selects the teacher's.
    EXPECT_EQ(zeige({{S("7c: Groß"), S("Abel (7)"), S("Niemand")}, false}),
              QStringList({S("Plan 5a: Groß: versendet"), S("Termine Abel (7): neu")}));

    // One address of two: still to send (the run then goes only to the missing one).
    const Versand::TProtokollStand halb({protokoll[1]});
    EXPECT_EQ(halb.Stand(alle[0]), Versand::TVersandStand::Neu);

    const Versand::TNachricht p = Versand::Probe(alle[0], S("ich@schule.example"));
    EXPECT_EQ(p.Mail.An, QStringList{S("ich@schule.example")});
    EXPECT_EQ(p.Mail.Betreff, S("[Probe] Ihre Termine"));
    EXPECT_EQ(p.Was, S("Probe Plan 5a: Groß"));
    EXPECT_TRUE(p.Mail.EmpfaengerName.isEmpty()) << "the family's name does not go to the organiser's address";
}

TEST(VersandEinstellungen, LesenSchreibenUndPruefen)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(S("qvt.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Path]\nQvtFiles=/tmp\n[Versand]\nHost= mail.schule.de \nPort=465\nTls=TLS\nBenutzer=sekretariat\n"
            "Absender=info@schule.de\nAbsenderName=Gesamtschule Süd\nPause=1.5\nZertifikate=/etc/schule.pem\n");
    f.close();
    Versand::TVersandEinstellungen e = Versand::VersandEinstellungenLesen(IniLesen(ini));
    EXPECT_EQ(e.Host, S("mail.schule.de"));
    EXPECT_EQ(e.Port, 465);
    EXPECT_EQ(e.Tls, S("tls"));
    EXPECT_EQ(e.Benutzer, S("sekretariat"));
    EXPECT_EQ(e.AbsenderName, S("Gesamtschule Süd"));
    EXPECT_EQ(e.PauseSekunden, 1.5);
    EXPECT_EQ(e.Zertifikate, S("/etc/schule.pem"));
    EXPECT_TRUE(Versand::PruefeVersandEinstellungen(e).isEmpty());

    // Written back and read again; the other sections stay.
    e.Host = S("smtp.schule.de");
    e.PauseSekunden = 0;
    e.EigeneAdresse = S("organisation@schule.de");
    ASSERT_EQ(Versand::VersandEinstellungenSchreiben(ini, e), QString());
    EXPECT_EQ(Versand::VersandEinstellungenLesen(IniLesen(ini)), e);
    EXPECT_EQ(IniLesen(ini).Text(S("Path"), S("QvtFiles"), QString()), S("/tmp"));
    EXPECT_EQ(IniLesen(ini).Text(S("Versand"), S("Pause"), QString()), S("0"));

    // Values that cannot be used keep the defaults when read.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Versand]\nPort=70000\nTls=ssl3\nPause=-2\n");
    f.close();
    const Versand::TVersandEinstellungen d = Versand::VersandEinstellungenLesen(IniLesen(ini));
    EXPECT_EQ(d.Port, 587);
    EXPECT_EQ(d.Tls, S("starttls"));
    EXPECT_EQ(d.PauseSekunden, 2.0);

    struct Fall {
        const char* name;
        std::function<void(Versand::TVersandEinstellungen&)> aendern;
        const char* feld;
    };
    const Fall faelle[] = {
        {"ohne Server", [](auto& x) { x.Host.clear(); }, "„Server“"},
        {"Server mit Leerzeichen", [](auto& x) { x.Host = S("mail schule.de"); }, "„Server“"},
        {"Port", [](auto& x) { x.Port = 0; }, "„Port“"},
        {"Pause", [](auto& x) { x.PauseSekunden = 601; }, "„Pause zwischen Nachrichten“"},
        {"ohne Absender", [](auto& x) { x.Absender.clear(); }, "„Absenderadresse“"},
        {"Absender", [](auto& x) { x.Absender = S("info@schule"); }, "„Absenderadresse“"},
        {"Name mit Zeilenumbruch", [](auto& x) { x.AbsenderName = S("Schule\r\nBcc: x@y.de"); }, "„Absendername“"},
        {"eigene Adresse", [](auto& x) { x.EigeneAdresse = S("ich"); }, "„Eigene Adresse“"},
    };
    for (const Fall& fall : faelle) {
        Versand::TVersandEinstellungen x = e;
        fall.aendern(x);
        const QString m = Versand::PruefeVersandEinstellungen(x);
        EXPECT_TRUE(m.contains(S(fall.feld))) << fall.name << ": " << m.toStdString();
    }
}

} // namespace
