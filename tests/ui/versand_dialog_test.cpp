// "Pläne versenden …": the offer follows the choices (families, teachers, the names chosen
// on the page, the send log), the preview shows the first mail as it will arrive, the
// settings go to qvt.ini without the password, which is asked once per run where no
// keyring answers, and the progress window counts, cancels after the current message and
// sums up. One case sends through a real mail server on 127.0.0.1.

#include "aktionen/dateiaktionen.h"
#include "bearbeiten/direkte_aenderungen.h"
#include "dialoge/versanddialog.h"
#include "dialoge/versandfortschritt.h"
#include "plattform/passwort.h"
#include "seiten/plaeneseite.h"
#include "ui_hilfen.h"
#include "versand/protokoll.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

const char* const Mueller = "Dr. Müller-Lüdenscheidt; Fachbereich Naturwissenschaften, Chemie\\Physik (Raum 1.23, Altbau)";

/// What the fake server got in one run.
struct TGesendet {
    std::vector<Versand::TNachricht> nachrichten;
    Versand::TLauf lauf;
    int laeufe = 0;
};

class VersandDialog : public UiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ini = ordner.filePath(S("qvt.ini"));
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Versand]\nHost=mail.schule.example\nPort=587\nTls=starttls\nAbsender=sekretariat@schule.example\n"
                "AbsenderName=Gesamtschule Süd\nPause=0\n");
        f.close();
        iniVorher = qgetenv("KALUMO_INI");
        qputenv("KALUMO_INI", ini.toUtf8());
        UiTest::SetUp();
        tagDatei = ordner.filePath(S("Herbst.qvt"));
        ASSERT_TRUE(QFile::copy(S(KALUMO_TESTDATEN "/termine.qvt"), tagDatei));
        QFile::setPermissions(tagDatei, QFile::ReadOwner | QFile::WriteOwner);
        programm.Dateien()->LadeDatei(tagDatei);
        ASSERT_TRUE(tag().PlaeneGueltig);
        const std::pair<const char*, QStringList> adressen[] = {
            {"5c: Özdemir, Jürgen", {S("oezdemir@example.org")}},
            {"6a: \"Kalle\" Schmidt/Meier", {S("kalle@example.org")}},
            {"7b: Weber, Anna", {S("mutter.weber@example.org")}},
            {"9a: Weber, Ben", {S("vater.weber@example.org"), S("Mutter.Weber@example.org")}},
        };
        for (const auto& [name, a] : adressen)
            tag().Eltern.Suche(S(name))->EMail = a;
        tag().Lehrer.Suche(S("Schulz"))->EMail = {S("schulz@schule.example")};
        tag().Lehrer.Suche(S("Weber (R 12)"))->EMail = {S("weber@schule.example")};
        Passwort::SetSchluesselbund({[](const QString&) { return Passwort::TLesung{}; }, {}, {}});
        Passwort::SetFrage([this](QWidget*, const QString& text) -> std::optional<QString> {
            fragen << text;
            return passwort;
        });
        TVersandFortschritt::SetVersender([this](const std::vector<Versand::TNachricht>& n, const Versand::TLauf& l) {
            ++gesendet.laeufe;
            gesendet.nachrichten = n;
            gesendet.lauf = l;
            return versender ? versender(n, l) : Versand::TLaufBericht{};
        });
        haupt().ZeigeSeite(TForm2::Seite::Plaene);
    }
    void TearDown() override
    {
        TVersandFortschritt::SetVersender({});
        Passwort::SetSchluesselbund({});
        Passwort::SetFrage({});
        UiTest::TearDown();
        qputenv("KALUMO_INI", iniVorher);
    }

    TVersandDialog* dialog() { return programm.VersandDialog(); }

    /// Opens the dialog from the page's button, runs `aktion` in it and closes it.
    void imDialog(const std::function<void(TVersandDialog*)>& aktion)
    {
        BeimNaechstenDialog([this, aktion](QWidget* d) {
            ASSERT_EQ(d, dialog());
            aktion(dialog());
            if (dialog()->isVisible())
                dialog()->findChild<QPushButton*>(S("VersandSchliessenDialogBtn"))->click();
        });
        finde<QPushButton>("VersandBtn")->click();
    }

    template <class W>
    W* imVersand(const char* name)
    {
        W* w = dialog()->findChild<W*>(S(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QStringList angebot()
    {
        QStringList t;
        for (const Versand::TAngebot& a : dialog()->Angebot())
            t << a.Nachricht.Was + S(" → ") + a.Nachricht.Mail.An.join(S(", ")) + S(" (") + Versand::StandText(a.Stand) + u')';
        return t;
    }

    /// Waits until the progress window shows its summary, then closes it; its texts come back.
    void fortschrittBeenden(QStringList* staende, QString* zusammenfassung)
    {
        // Listening from before the run: a fast run reports before its window is shown.
        TVersandFortschritt* f = dialog()->Fortschritt();
        auto* zuhoerer = new QObject(f);
        QObject::connect(f, &TVersandFortschritt::fortschritt, zuhoerer, [f, staende] { *staende << f->StandLb()->text(); });
        BeimNaechstenDialog([f, zuhoerer, zusammenfassung](QWidget* w) {
            ASSERT_EQ(w, f);
            while (!f->SchliessenBtn()->isEnabled())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            *zusammenfassung = f->Zusammenfassung()->toPlainText();
            delete zuhoerer;
            f->SchliessenBtn()->click();
        });
    }

    QTemporaryDir ordner;
    QString ini;
    QString tagDatei;
    QByteArray iniVorher;
    QStringList fragen;
    std::optional<QString> passwort = S("geheim");
    TGesendet gesendet;
    TVersandFortschritt::Versender versender;
};

TEST_F(VersandDialog, AngebotFolgtEmpfaengernUndAuswahl)
{
    // Families as the sibling groups, in the plans' order; the union of the entries'
    // addresses without a second "Mutter.Weber".
    const QStringList familien{S("Plan 5c: Özdemir, Jürgen → oezdemir@example.org (neu)"),
                               S("Plan 6a: \"Kalle\" Schmidt/Meier → kalle@example.org (neu)"),
                               S("Plan 7b: Weber, Anna → mutter.weber@example.org, vater.weber@example.org (neu)")};
    const QStringList lehrer{S("Termine Schulz → schulz@schule.example (neu)"),
                             S("Termine Weber (R 12) → weber@schule.example (neu)")};
    // The page's choice: one parent entry of the Weber family and one teacher.
    auto* wahlE = finde<QListWidget>("WahlBoxE");
    auto* wahlL = finde<QListWidget>("WahlBoxL");
    wahlE->clearSelection();
    wahlL->clearSelection();
    wahlE->findItems(S("9a: Weber, Ben"), Qt::MatchExactly).front()->setSelected(true);
    wahlL->findItems(S("Schulz"), Qt::MatchExactly).front()->setSelected(true);

    imDialog([&](TVersandDialog* d) {
        EXPECT_TRUE(imVersand<QCheckBox>("CbVersandNurNeue")->isChecked());
        EXPECT_TRUE(imVersand<QRadioButton>("RbVersandFamilien")->isChecked());
        EXPECT_TRUE(imVersand<QRadioButton>("RbVersandAlle")->isChecked());
        EXPECT_EQ(imVersand<QRadioButton>("RbVersandGewaehlte")->text(), S("nur die &gewählten (2)"));
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
        d->Aktualisieren();
        EXPECT_EQ(angebot(), familien);
        EXPECT_EQ(imVersand<QLabel>("VersandAnzahlLb")->text(), S("3 Nachrichten werden versendet."));
        imVersand<QRadioButton>("RbVersandLehrer")->click();
        EXPECT_EQ(angebot(), lehrer);
        EXPECT_EQ(imVersand<QLabel>("VersandAnzahlLb")->text(), S("2 Nachrichten werden versendet. Ohne E-Mail-Adresse: 1."));
        EXPECT_EQ(imVersand<QListWidget>("VersandListe")->item(2)->text(), S(Mueller) + S(" – keine E-Mail-Adresse"));
        imVersand<QRadioButton>("RbVersandBeide")->click();
        EXPECT_EQ(angebot(), familien + lehrer);
        imVersand<QRadioButton>("RbVersandGewaehlte")->click();
        EXPECT_EQ(angebot(), QStringList({familien[2], lehrer[0]}));
    });
}

TEST_F(VersandDialog, NurMitGueltigenPlaenen)
{
    auto* knopf = finde<QPushButton>("VersandBtn");
    EXPECT_TRUE(knopf->isVisible() && knopf->isEnabled());
    EXPECT_EQ(knopf->text(), S("Plä&ne versenden …"));
    tag().PlaeneGueltig = false;
    haupt().Plaene()->CheckZplPageVis();
    EXPECT_FALSE(knopf->isEnabled());
    EXPECT_FALSE(knopf->isVisible());
    haupt().Plaene()->PlaeneVersenden();
    ASSERT_EQ(fehlermeldungen().size(), 1u);
    EXPECT_EQ(fehlermeldungen()[0], S("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne."));
    EXPECT_FALSE(dialog()->isVisible());
}

TEST_F(VersandDialog, VorschauZeigtDieErsteMailWieSieAnkommt)
{
    imDialog([&](TVersandDialog* d) {
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
        imVersand<QLineEdit>("VersandBetreffEdit")->setText(S("Termine für {Name} ({Schule})"));
        imVersand<QPlainTextEdit>("VersandTextEdit")->setPlainText(S("Hallo {Name},\nam {Datum}:\n{Termine}\nGruß"));
        d->Aktualisieren();
        const QString vorschau = imVersand<QPlainTextEdit>("VersandVorschau")->toPlainText();
        const QString erwartet = S("Von: Gesamtschule Süd <sekretariat@schule.example>\n"
                                   "An: 5c: Özdemir, Jürgen <oezdemir@example.org>\n"
                                   "Betreff: Termine für 5c: Özdemir, Jürgen (Gesamtschule Süd)\n\n"
                                   "Hallo 5c: Özdemir, Jürgen,\n"
                                   "am Sonntag, 25.10.2026:\n"
                                   "16:50–17:00 Uhr  Weber (R 12), Raum R 12\n"
                                   "Gruß\n\n"
                                   "Anhänge:\n  ");
        EXPECT_TRUE(vorschau.startsWith(erwartet)) << vorschau.toStdString();
        EXPECT_TRUE(vorschau.contains(QRegularExpression(S("\n  5c Özdemir, Jürgen\\.ics \\(\\d+ Bytes\\)\n  5c Özdemir, Jürgen\\.pdf \\(\\d+ KB\\)$"))))
            << vorschau.toStdString();

        // The teachers' template is a template of its own; the families' text stays.
        imVersand<QComboBox>("VersandVorlageCb")->setCurrentIndex(1);
        EXPECT_EQ(imVersand<QLineEdit>("VersandBetreffEdit")->text(), S("Elternsprechtag am {Datum}: Ihre Gespräche"));
        imVersand<QComboBox>("VersandVorlageCb")->setCurrentIndex(0);
        EXPECT_EQ(imVersand<QPlainTextEdit>("VersandTextEdit")->toPlainText(), S("Hallo {Name},\nam {Datum}:\n{Termine}\nGruß"));

        // A date that is no date is named, and nothing is offered.
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("31.02.2026"));
        d->Aktualisieren();
        EXPECT_TRUE(d->Angebot().empty());
        EXPECT_TRUE(imVersand<QPlainTextEdit>("VersandVorschau")->toPlainText().contains(S("31.02.2026")));
    });
}

TEST_F(VersandDialog, SendenZaehltFasstZusammenUndFragtDasPasswortEinmal)
{
    versender = [](const std::vector<Versand::TNachricht>& n, const Versand::TLauf& l) {
        Versand::TLaufBericht b;
        b.Nachrichten = int(n.size());
        for (int i = 0; i < b.Nachrichten; ++i) {
            if (i == 1)
                b.Fehler << S("kalle@example.org (Plan 6a: \"Kalle\" Schmidt/Meier): 550 5.1.1 Postfach unbekannt");
            else
                ++b.Versendet;
            if (!l.Fortschritt(i + 1, b.Nachrichten))
                break;
        }
        return b;
    };
    QStringList staende;
    QString zusammenfassung;
    imDialog([&](TVersandDialog*) {
        // A Thursday far ahead: the question has nothing to say about the date.
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("04.03.2100"));
        imVersand<QLineEdit>("VersandBenutzerEdit")->setText(S("sekretariat"));
        imVersand<QDoubleSpinBox>("VersandPauseEdit")->setValue(1.5);
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandSendenBtn")->click();
        // Again in the same run: the password is not asked a second time.
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QCheckBox>("CbVersandNurNeue")->setChecked(false);
        imVersand<QPushButton>("VersandSendenBtn")->click();
        // A past Sunday is named in the question; "Nein" sends nothing.
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2020"));
        antwort = Meldung::Antwort::Nein;
        imVersand<QPushButton>("VersandSendenBtn")->click();
        antwort = Meldung::Antwort::Ja;
    });
    ASSERT_EQ(meldungen.back().art, Meldung::Art::Frage);
    EXPECT_TRUE(meldungen.back().text.contains(S("\rAchtung: Der 25.10.2020 liegt in der Vergangenheit und ist ein Sonntag.")))
        << meldungen.back().text.toStdString();
    EXPECT_EQ(gesendet.laeufe, 2);
    EXPECT_EQ(fragen, QStringList{S("Passwort für „sekretariat“ auf dem Mailserver „mail.schule.example“:")});
    EXPECT_EQ(gesendet.lauf.Server.Passwort, S("geheim"));
    EXPECT_EQ(gesendet.lauf.Server.Host, S("mail.schule.example"));
    EXPECT_EQ(gesendet.lauf.PauseMs, 1500);
    EXPECT_EQ(gesendet.lauf.Protokoll, ordner.filePath(S("Herbst.versand.csv")));
    EXPECT_FALSE(gesendet.lauf.NurNeue);
    EXPECT_EQ(gesendet.nachrichten.size(), 3u);
    EXPECT_EQ(staende.mid(staende.size() - 3),
              QStringList({S("1 von 3 versendet"), S("2 von 3 versendet"), S("3 von 3 versendet")}));
    EXPECT_EQ(zusammenfassung, S("2 von 3 Nachrichten versendet.\nNicht zugestellt (1):\n"
                                 "  kalle@example.org (Plan 6a: \"Kalle\" Schmidt/Meier): 550 5.1.1 Postfach unbekannt"));
    // The question before sending, once per run.
    int fragenVorDemSenden = 0;
    for (const auto& m : meldungen)
        fragenVorDemSenden += m.art == Meldung::Art::Frage
                              && m.text == S("3 Nachrichten jetzt über „mail.schule.example“ versenden?\rIn diesem Programmlauf "
                                             "ging noch keine Probe an Ihre eigene Adresse („Probe an mich senden“).");
    EXPECT_EQ(fragenVorDemSenden, 2);

    // Settings went to qvt.ini; the password never.
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(S("Benutzer=sekretariat"))) << text.toStdString();
    EXPECT_TRUE(text.contains(S("Pause=1.5"))) << text.toStdString();
    EXPECT_FALSE(text.contains(S("geheim")));
}

TEST_F(VersandDialog, AbgelehntesPasswortWirdVergessenUndNeuErfragt)
{
    QStringList imBund;
    QStringList geloescht;
    // A keyring that answers but holds nothing: the asked password is kept there.
    Passwort::SetSchluesselbund({[&](const QString& konto) {
                                     Passwort::TLesung l{true, {}};
                                     if (imBund.contains(konto))
                                         l.passwort = S("alt");
                                     return l;
                                 },
                                 [&](const QString& konto, const QString&) {
                                     imBund << konto;
                                     return true;
                                 },
                                 [&](const QString& konto) {
                                     imBund.removeAll(konto);
                                     geloescht << konto;
                                 }});
    // Refused once, then taken.
    versender = [this](const std::vector<Versand::TNachricht>& n, const Versand::TLauf&) {
        Versand::TLaufBericht b;
        b.Nachrichten = int(n.size());
        if (gesendet.laeufe == 1)
            b.Abbruch = S("Der Mailserver hat die Anmeldung abgelehnt: Benutzer oder Passwort ist falsch (535).");
        else
            b.Versendet = b.Nachrichten;
        return b;
    };
    QStringList staende;
    QString zusammenfassung;
    imDialog([&](TVersandDialog*) {
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
        imVersand<QLineEdit>("VersandBenutzerEdit")->setText(S("sekretariat"));
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandSendenBtn")->click();
        EXPECT_TRUE(zusammenfassung.endsWith(S("Versand angehalten: Der Mailserver hat die Anmeldung abgelehnt: Benutzer oder "
                                               "Passwort ist falsch (535).")))
            << zusammenfassung.toStdString();
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandSendenBtn")->click();
    });
    EXPECT_EQ(fragen.size(), 2) << "asked again after the refusal";
    EXPECT_EQ(geloescht, QStringList{S("sekretariat@mail.schule.example:587")});
    EXPECT_EQ(imBund, QStringList{S("sekretariat@mail.schule.example:587")});
}

TEST_F(VersandDialog, AbbrechenHaeltNachDerLaufendenNachricht)
{
    versender = [this](const std::vector<Versand::TNachricht>& n, const Versand::TLauf& l) {
        Versand::TLaufBericht b;
        b.Nachrichten = int(n.size());
        for (int i = 0; i < b.Nachrichten; ++i) {
            ++b.Versendet;
            if (i == 0) // the user presses "Abbrechen" while the first message is on its way
                QMetaObject::invokeMethod(dialog()->Fortschritt()->AbbrechenBtn(), &QPushButton::click, Qt::BlockingQueuedConnection);
            if (!l.Fortschritt(i + 1, b.Nachrichten)) {
                b.Abgebrochen = i + 1 < b.Nachrichten;
                break;
            }
        }
        return b;
    };
    QStringList staende;
    QString zusammenfassung;
    imDialog([&](TVersandDialog*) {
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
        imVersand<QRadioButton>("RbVersandBeide")->click();
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandSendenBtn")->click();
    });
    EXPECT_EQ(zusammenfassung, S("1 von 5 Nachrichten versendet. Der Versand wurde abgebrochen."));
}

TEST_F(VersandDialog, UngueltigeEinstellungenNennenDasFeldUndSendenNichts)
{
    struct Fall {
        const char* feld;
        const char* wert;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"VersandHostEdit", "", "Bitte im Feld „Server“ den Mailserver der Schule angeben (etwa mail.schule.de)."},
        {"VersandAbsenderEdit", "sekretariat", "„sekretariat“ im Feld „Absenderadresse“ ist keine gültige E-Mail-Adresse"},
        {"VersandDatumEdit", "", "Bitte im Feld „Datum des Elternsprechtags“ das Datum angeben (TT.MM.JJJJ)."},
        {"VersandEigeneEdit", "ich@", "„ich@“ im Feld „Eigene Adresse“ ist keine gültige E-Mail-Adresse"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.feld);
        meldungen.clear();
        imDialog([&](TVersandDialog*) {
            // What one case types is remembered for the next opening: each starts sound.
            imVersand<QLineEdit>("VersandHostEdit")->setText(S("mail.schule.example"));
            imVersand<QLineEdit>("VersandAbsenderEdit")->setText(S("sekretariat@schule.example"));
            imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
            imVersand<QLineEdit>("VersandEigeneEdit")->setText(S("ich@schule.example"));
            imVersand<QLineEdit>(f.feld)->setText(S(f.wert));
            imVersand<QPushButton>(std::string(f.feld) == "VersandEigeneEdit" ? "VersandProbeBtn" : "VersandSendenBtn")->click();
        });
        ASSERT_EQ(fehlermeldungen().size(), 1u);
        EXPECT_TRUE(fehlermeldungen()[0].startsWith(S(f.meldung))) << fehlermeldungen()[0].toStdString();
    }
    EXPECT_EQ(gesendet.laeufe, 0);
    EXPECT_TRUE(fragen.isEmpty());
}

// The real mail path: the dialog's messages through libcurl to a server on this machine,
// the password from the question, the log beside the day's file, and a second run that
// offers only the plan that changed.
TEST_F(VersandDialog, DurchEinenEchtenMailserver)
{
    if (!QFile::exists(S("/usr/bin/python3")))
        GTEST_SKIP() << "no /usr/bin/python3";
    TVersandFortschritt::SetVersender({});
    QProcess server;
    server.start(S("/usr/bin/python3"), {S(KALUMO_SMTP_SERVER), S("sekretariat"), S("geheim")});
    ASSERT_TRUE(server.waitForStarted());
    QByteArray bereit;
    while (!bereit.contains('\n') && server.waitForReadyRead(30000))
        bereit += server.readAllStandardOutput();
    ASSERT_TRUE(bereit.startsWith("bereit ")) << bereit.toStdString() << server.readAllStandardError().toStdString();
    const int port = bereit.mid(7).trimmed().toInt();
    QByteArray ausgabe = bereit.mid(bereit.indexOf('\n') + 1);
    const auto mails = [&](int anzahl) {
        std::vector<QJsonObject> m;
        // The dialog's event loops may have read the lines already.
        ausgabe += server.readAllStandardOutput();
        while (ausgabe.count('\n') < anzahl && server.waitForReadyRead(30000))
            ausgabe += server.readAllStandardOutput();
        for (const QByteArray& zeile : ausgabe.split('\n'))
            if (!zeile.isEmpty())
                m.push_back(QJsonDocument::fromJson(zeile).object());
        ausgabe.clear();
        return m;
    };
    const auto liste = [](const QJsonValue& v) {
        QStringList l;
        for (const QJsonValue& x : v.toArray())
            l << x.toString();
        return l;
    };

    QStringList staende;
    QString zusammenfassung;
    imDialog([&](TVersandDialog* d) {
        imVersand<QLineEdit>("VersandDatumEdit")->setText(S("25.10.2026"));
        imVersand<QLineEdit>("VersandHostEdit")->setText(S("127.0.0.1"));
        imVersand<QSpinBox>("VersandPortEdit")->setValue(port);
        imVersand<QComboBox>("VersandTlsCb")->setCurrentIndex(2);
        imVersand<QLineEdit>("VersandBenutzerEdit")->setText(S("sekretariat"));
        imVersand<QLineEdit>("VersandEigeneEdit")->setText(S("organisation@schule.example"));
        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandProbeBtn")->click();
        EXPECT_EQ(zusammenfassung, S("1 von 1 Nachrichten versendet.")) << zusammenfassung.toStdString();
        const auto probe = mails(1);
        ASSERT_EQ(probe.size(), 1u);
        EXPECT_EQ(liste(probe[0][S("an")]), QStringList{S("organisation@schule.example")});
        EXPECT_EQ(probe[0][S("betreff")].toString(), S("[Probe] Elternsprechtag am Sonntag, 25.10.2026: Ihre Termine"))
            << probe[0][S("betreff")].toString().toStdString();
        EXPECT_EQ(d->Angebot().size(), 3u) << "a test mail sends no plan";

        fortschrittBeenden(&staende, &zusammenfassung);
        imVersand<QPushButton>("VersandSendenBtn")->click();
        EXPECT_EQ(zusammenfassung, S("3 von 3 Nachrichten versendet.")) << zusammenfassung.toStdString();
        const auto familien = mails(3);
        ASSERT_EQ(familien.size(), 3u);
        const QStringList an[] = {{S("oezdemir@example.org")},
                                  {S("kalle@example.org")},
                                  {S("mutter.weber@example.org"), S("vater.weber@example.org")}};
        const char* namen[] = {"5c: Özdemir, Jürgen", "6a: \"Kalle\" Schmidt/Meier", "7b: Weber, Anna, 9a: Weber, Ben"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(familien[size_t(i)][S("von")].toString(), S("sekretariat@schule.example"));
            EXPECT_EQ(liste(familien[size_t(i)][S("an")]), an[i]);
            EXPECT_TRUE(liste(familien[size_t(i)][S("to")]).contains(S(namen[i]))) << namen[i];
            // The calendar file and the family's plan as a PDF page.
            const QStringList anhaenge = liste(familien[size_t(i)][S("anhaenge")]);
            ASSERT_EQ(anhaenge.size(), 2);
            EXPECT_TRUE(anhaenge[0].endsWith(S(".ics")));
            EXPECT_TRUE(anhaenge[1].endsWith(S(".pdf")));
        }
        EXPECT_TRUE(familien[0][S("text")].toString().contains(S("16:50–17:00 Uhr  Weber (R 12), Raum R 12")))
            << familien[0][S("text")].toString().toStdString();
        EXPECT_TRUE(d->Angebot().empty()) << "everything is in the log now";
    });
    EXPECT_EQ(fragen.size(), 1);
    const auto frage = std::find_if(meldungen.begin(), meldungen.end(), [](const TGefangeneMeldung& m) { return m.art == Meldung::Art::Frage; });
    ASSERT_NE(frage, meldungen.end());
    EXPECT_TRUE(frage->text.startsWith(S("3 Nachrichten jetzt über „127.0.0.1“ versenden?")));
    EXPECT_FALSE(frage->text.contains(S("Probe"))) << "the test mail went out before";

    // A plan changed since its mail is offered again, as "geändert".
    // (edited by hand: the talk half an hour later).
    const QString kalle = S("6a: \"Kalle\" Schmidt/Meier");
    QStringList plan = tag().Eltern.Suche(kalle)->Zeitplan.Liste();
    const qsizetype zeile = plan.indexOf(QRegularExpression(S("^15:00.*Schulz")));
    ASSERT_GE(zeile, 0) << plan.join(u'|').toStdString();
    plan[zeile].replace(0, 5, S("15:30"));
    ASSERT_TRUE(ElternplanSetzen(tag(), kalle, plan));
    imDialog([&](TVersandDialog*) {
        EXPECT_EQ(angebot(), QStringList{S("Plan 6a: \"Kalle\" Schmidt/Meier → kalle@example.org (geändert)")});
    });
    int versendet = 0;
    for (const Versand::TProtokollZeile& z : Versand::ProtokollLesen(ordner.filePath(S("Herbst.versand.csv"))))
        versendet += z.Ergebnis == Versand::ErgebnisVersendet;
    EXPECT_EQ(versendet, 1 + 4) << "the test mail and four addresses of three families";
    server.closeWriteChannel();
    server.waitForFinished(30000);
}

} // namespace
