// "Termine exportieren …" on the "Zeitpläne" page: the dialog writes the hand-built day's
// files, remembers date and folder through the settings file, and a cancelled or refused
// export leaves nothing behind.
#include "aktionen/einstellungen.h"
#include "datei/datei.h"
#include "dialoge/terminexport.h"
#include "fenster/startfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/startordner.h"
#include "plattform/shell.h"
#include "seiten/plaeneseite.h"
#include "ui_hilfen.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray Lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

void LadeTag(TSprechtag& tag)
{
    ASSERT_TRUE(Datei::Laden(tag, QStringLiteral(KALUMO_TESTDATEN "/termine.qvt"), TLadeModus::Hinzufuegen).ok());
    ASSERT_TRUE(tag.PlaeneGueltig);
}

/// Fills the dialog and presses a button; the fields as they were shown come back.
struct TEingabe {
    QString datum;
    QString ordner;
    const char* knopf = "OkBtn";
};
struct TGezeigt {
    QString datum;
    QString ordner;
    QString tag;
};

void Bediene(const TEingabe& e, TGezeigt* gezeigt)
{
    BeimNaechstenDialog([e, gezeigt](QWidget* d) {
        auto* datum = d->findChild<QLineEdit*>(QStringLiteral("TermineDatumEdit"));
        auto* ordner = d->findChild<QLineEdit*>(QStringLiteral("TermineOrdnerEdit"));
        gezeigt->datum = datum->text();
        gezeigt->ordner = ordner->text();
        datum->setText(e.datum);
        ordner->setText(e.ordner);
        gezeigt->tag = d->findChild<QLabel*>(QStringLiteral("TermineTagLb"))->text();
        d->findChild<QPushButton*>(QString::fromLatin1(e.knopf))->click();
        // A refused export keeps the dialog open; the test closes it then.
        if (d->isVisible())
            static_cast<QDialog*>(d)->reject();
    });
}

TEST(TermineExportDialog, DatumUndOrdnerKommenAusDerEinstellungsdateiUndGehenZurueck)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qvt.ini"));
    const QString ziel = dir.filePath(QStringLiteral("Sprechtag Herbst"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Termine]\nDatum=2026-11-19\nOrdner=%1\n").arg(dir.filePath(QStringLiteral("alt"))).toUtf8());
    f.close();
    const QByteArray vorher = qgetenv("KALUMO_INI");
    qputenv("KALUMO_INI", ini.toUtf8());
    std::vector<QString> meldungen;
    Meldung::SetAbfang([&](Meldung::Art, const QString& text) {
        meldungen.push_back(text);
        return Meldung::Antwort::Ok;
    });
    TGezeigt gezeigt;
    // A Thursday a few weeks ahead, so that no question about the date comes up.
    const QDate heute = QDate::currentDate();
    const QDate tag = heute.addDays(14 + (4 - heute.dayOfWeek() + 7) % 7);
    const QString tagText = tag.toString(QStringLiteral("dd.MM.yyyy"));
    {
        TProgramm programm;
        programm.FensterErzeugen();
        LadeTag(programm.Tag());
        programm.Hauptfenster()->show();
        programm.Hauptfenster()->ZeigeSeite(TForm2::Seite::Plaene);
        QPushButton* knopf = programm.Hauptfenster()->Plaene()->TermineBtn();
        ASSERT_TRUE(knopf->isVisibleTo(programm.Hauptfenster()));
        Bediene({tagText, ziel}, &gezeigt);
        knopf->click();
        EXPECT_FALSE(DialogAktionOffen());
        emit programm.StartFenster()->beendet();
    }
    qputenv("KALUMO_INI", vorher);
    Meldung::SetAbfang({});

    EXPECT_EQ(gezeigt.datum, QStringLiteral("19.11.2026"));
    EXPECT_EQ(gezeigt.ordner, QDir::toNativeSeparators(dir.filePath(QStringLiteral("alt"))));
    EXPECT_EQ(gezeigt.tag, QStringLiteral("Termine für Donnerstag, ") + tagText);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("5 Termine nach „"))) << meldungen[0].toStdString();
    EXPECT_EQ(Lies(ziel + QStringLiteral("/Termine.csv")),
              Lies(QStringLiteral(KALUMO_TESTDATEN "/termine_erwartet.csv")).replace("25.10.2026", tagText.toUtf8()));
    EXPECT_TRUE(Lies(ziel + QStringLiteral("/Kalender/7b Weber, Anna.ics"))
                    .contains("DTSTART;TZID=Europe/Berlin:" + tag.toString(QStringLiteral("yyyyMMdd")).toUtf8()
                              + "T150000\r\n"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Datum=") + tag.toString(Qt::ISODate))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ordner=") + ziel)) << text.toStdString();
}

class TermineUi : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        LadeTag(tag());
        haupt().ZeigeSeite(TForm2::Seite::Plaene);
        dialog = programm.TermineDialog();
        dialog->SetDatum(QDate(2026, 11, 19));
        dialog->SetOrdner(dir.filePath(QStringLiteral("gemerkt")));
    }
    QTemporaryDir dir;
    TTermineForm* dialog = nullptr;
};

TEST_F(TermineUi, AbbruchUndAbgelehnteEingabenHinterlassenNichts)
{
    const QString ziel = dir.filePath(QStringLiteral("neu"));
    QFile datei(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    const struct {
        TEingabe eingabe;
        const char* meldung;
    } faelle[] = {
        {{QStringLiteral("01.01.2027"), ziel, "AbbruchBtn"}, nullptr},
        {{QStringLiteral("01.01.2027"), QStringLiteral("  "), "OkBtn"}, "Bitte geben Sie einen Zielordner an."},
        {{QStringLiteral("01.01.2027"), QStringLiteral("relativ/ordner"), "OkBtn"},
         "Bitte geben Sie den Zielordner mit vollständigem Pfad an"},
        {{QStringLiteral("01.01.2027"), datei.fileName(), "OkBtn"}, "datei“ ist kein Ordner."},
        {{QStringLiteral("31.02.2027"), ziel, "OkBtn"}, "„31.02.2027“ ist kein gültiges Datum"},
    };
    for (const auto& f : faelle) {
        meldungen.clear();
        TGezeigt gezeigt;
        Bediene(f.eingabe, &gezeigt);
        haupt().Plaene()->TermineBtn()->click();
        // Every opening shows what was remembered, not what the last attempt typed.
        EXPECT_EQ(gezeigt.datum, QStringLiteral("19.11.2026")) << f.eingabe.ordner.toStdString();
        EXPECT_EQ(gezeigt.ordner, QDir::toNativeSeparators(dir.filePath(QStringLiteral("gemerkt"))));
        if (f.meldung) {
            ASSERT_EQ(meldungen.size(), 1u) << f.meldung;
            EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
            EXPECT_TRUE(meldungen[0].text.contains(QString::fromUtf8(f.meldung))) << meldungen[0].text.toStdString();
        } else {
            EXPECT_TRUE(meldungen.empty());
        }
        EXPECT_EQ(dialog->Datum(), QDate(2026, 11, 19));
        EXPECT_EQ(dialog->Ordner(), dir.filePath(QStringLiteral("gemerkt")));
    }
    EXPECT_FALSE(QFile::exists(ziel));
    EXPECT_FALSE(QFile::exists(QStringLiteral("relativ")));
}

TEST_F(TermineUi, DurchsuchenSetztDenGewaehltenOrdnerUndIstOhnePlaeneVerborgen)
{
    std::vector<Dateiwahl::TAnfrage> anfragen;
    const QString gewaehlt = dir.filePath(QStringLiteral("gewählt"));
    Dateiwahl::SetAbfang([&](const Dateiwahl::TAnfrage& a) {
        anfragen.push_back(a);
        return gewaehlt;
    });
    QString danach;
    BeimNaechstenDialog([&](QWidget* d) {
        d->findChild<QPushButton*>(QStringLiteral("TermineOrdnerBtn"))->click();
        danach = d->findChild<QLineEdit*>(QStringLiteral("TermineOrdnerEdit"))->text();
        static_cast<QDialog*>(d)->reject();
    });
    haupt().Plaene()->TermineBtn()->click();
    Dateiwahl::SetAbfang({});
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_TRUE(anfragen[0].ordnerWahl);
    EXPECT_EQ(anfragen[0].ordner, QDir::toNativeSeparators(dir.filePath(QStringLiteral("gemerkt"))));
    EXPECT_EQ(danach, QDir::toNativeSeparators(gewaehlt));

    tag().PlaeneGueltig = false;
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    haupt().ZeigeSeite(TForm2::Seite::Plaene);
    EXPECT_FALSE(haupt().Plaene()->TermineBtn()->isVisibleTo(&haupt()));
    haupt().Plaene()->TermineExportieren();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(QStringLiteral("Es liegen keine gültigen Zeitpläne vor.")));
}

// Date typing, a table written by hand: a date is taken exactly as typed or refused with
// a message naming the text; the pop-up calendar fills the field; the chosen day stands
// with its weekday before writing; a past or weekend day asks once.
TEST_F(TermineUi, DatumWieGetipptOderAbgelehntMitWochentagVorDemSchreiben)
{
    const QDate heute = QDate::currentDate();
    // A Thursday in the future and a Sunday in the future, whatever day the test runs.
    const QDate donnerstag = heute.addDays(14 + (4 - heute.dayOfWeek() + 7) % 7);
    const QDate sonntag = donnerstag.addDays(3);
    const QString d = donnerstag.toString(QStringLiteral("dd.MM.yyyy"));
    const QString s = sonntag.toString(QStringLiteral("dd.MM.yyyy"));
    const struct {
        const char* fall;
        QString getippt;    // typed text
        QDate kalender;     // else picked in the pop-up
        Meldung::Antwort antwort;
        QString tag;        // the label before writing
        std::vector<std::pair<Meldung::Art, QString>> meldungen;
        QString geschrieben; // date in Termine.csv, empty: nothing written
    } faelle[] = {
        {"gültig", d, {}, Meldung::Antwort::Ja, QStringLiteral("Termine für Donnerstag, ") + d,
         {{Meldung::Art::Information, QStringLiteral("5 Termine nach")}}, d},
        {"unmöglich", QStringLiteral("31.02.2027"), {}, Meldung::Antwort::Ja,
         QStringLiteral("„31.02.2027“ ist kein gültiges Datum: Der Februar 2027 hat 28 Tage."),
         {{Meldung::Art::Fehler, QStringLiteral("„31.02.2027“ ist kein gültiges Datum: Der Februar 2027 hat 28 Tage.")}},
         {}},
        {"unvollständig", QStringLiteral("28.03."), {}, Meldung::Antwort::Ja,
         QStringLiteral("„28.03.“ ist kein Datum der Form TT.MM.JJJJ. Bitte geben Sie Tag, Monat und das Jahr mit vier "
                        "Ziffern ein, z. B. 19.11.2026."),
         {{Meldung::Art::Fehler, QStringLiteral("„28.03.“ ist kein Datum der Form TT.MM.JJJJ.")}}, {}},
        {"Kalender", {}, donnerstag, Meldung::Antwort::Ja, QStringLiteral("Termine für Donnerstag, ") + d,
         {{Meldung::Art::Information, QStringLiteral("5 Termine nach")}}, d},
        {"Sonntag, ja", s, {}, Meldung::Antwort::Ja, QStringLiteral("Termine für Sonntag, ") + s,
         {{Meldung::Art::Frage, QStringLiteral("Der ") + s + QStringLiteral(" ist ein Sonntag. Trotzdem Termine für "
                                                                              "diesen Tag exportieren?")},
          {Meldung::Art::Information, QStringLiteral("5 Termine nach")}},
         s},
        {"Sonntag, nein", s, {}, Meldung::Antwort::Nein, QStringLiteral("Termine für Sonntag, ") + s,
         {{Meldung::Art::Frage, QStringLiteral("Der ") + s + QStringLiteral(" ist ein Sonntag.")}}, {}},
        {"Vergangenheit, nein", QStringLiteral("12.11.2020"), {}, Meldung::Antwort::Nein,
         QStringLiteral("Termine für Donnerstag, 12.11.2020"),
         {{Meldung::Art::Frage, QStringLiteral("Der 12.11.2020 liegt in der Vergangenheit. Trotzdem")}}, {}},
    };
    int n = 0;
    for (const auto& f : faelle) {
        const QString ziel = dir.filePath(QStringLiteral("fall%1").arg(++n));
        meldungen.clear();
        antwort = f.antwort;
        QString tag, feld;
        BeimNaechstenDialog([&](QWidget* w) {
            auto* datum = w->findChild<QLineEdit*>(QStringLiteral("TermineDatumEdit"));
            if (f.kalender.isValid()) {
                w->findChild<QPushButton*>(QStringLiteral("TermineKalenderBtn"))->click();
                auto* kalender = w->findChild<QCalendarWidget*>(QStringLiteral("TermineKalender"));
                ASSERT_TRUE(kalender->isVisible());
                kalender->setSelectedDate(f.kalender);
                emit kalender->activated(f.kalender);
                EXPECT_FALSE(kalender->isVisible());
            } else {
                datum->setText(f.getippt);
            }
            feld = datum->text();
            tag = w->findChild<QLabel*>(QStringLiteral("TermineTagLb"))->text();
            w->findChild<QLineEdit*>(QStringLiteral("TermineOrdnerEdit"))->setText(ziel);
            w->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
            if (w->isVisible())
                static_cast<QDialog*>(w)->reject();
        });
        haupt().Plaene()->TermineBtn()->click();
        if (f.kalender.isValid()) {
            EXPECT_EQ(feld, f.kalender.toString(QStringLiteral("dd.MM.yyyy"))) << f.fall;
        }
        EXPECT_EQ(tag, f.tag) << f.fall;
        ASSERT_EQ(meldungen.size(), f.meldungen.size()) << f.fall;
        for (size_t i = 0; i < meldungen.size(); ++i) {
            EXPECT_EQ(meldungen[i].art, f.meldungen[i].first) << f.fall;
            EXPECT_TRUE(meldungen[i].text.startsWith(f.meldungen[i].second)) << f.fall << ": " << meldungen[i].text.toStdString();
        }
        if (f.geschrieben.isEmpty()) {
            EXPECT_FALSE(QFile::exists(ziel)) << f.fall;
        } else {
            EXPECT_TRUE(Lies(ziel + QStringLiteral("/Termine.csv")).contains("\r\n" + f.geschrieben.toUtf8() + ";15:00;"))
                << f.fall;
            EXPECT_EQ(dialog->Datum(), QDate::fromString(f.geschrieben, QStringLiteral("dd.MM.yyyy"))) << f.fall;
        }
    }
}

TEST_F(TermineUi, ZielordnerBeiDerTagesdateiNieImProgrammordner)
{
    const QString tagesordner = dir.filePath(QStringLiteral("Sprechtage"));
    ASSERT_TRUE(QDir().mkpath(tagesordner));
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const struct {
        const char* fall;
        QString gemerkt;
        QString tagesdatei;
        QString erwartet;
    } faelle[] = {
        {"gemerkt außerhalb", dir.filePath(QStringLiteral("gemerkt")), tagesordner + QStringLiteral("/herbst.qvt"),
         tagesordner},
        {"gemerkt darin", tagesordner + QStringLiteral("/Termine"), tagesordner + QStringLiteral("/herbst.qvt"),
         tagesordner + QStringLiteral("/Termine")},
        {"nichts gemerkt", QString(), tagesordner + QStringLiteral("/herbst.qvt"), tagesordner},
        {"ohne Tagesdatei", dir.filePath(QStringLiteral("gemerkt")), QString(), dir.filePath(QStringLiteral("gemerkt"))},
        {"nichts", QString(), QString(), dokumente},
        {"Programmordner", Shell::ProgrammOrdner(), QString(), dokumente},
    };
    for (const auto& f : faelle) {
        Startordner::SetTagesdateiQuelle([&f] { return f.tagesdatei; });
        dialog->SetOrdner(f.gemerkt);
        QString gezeigt;
        BeimNaechstenDialog([&](QWidget* w) {
            gezeigt = w->findChild<QLineEdit*>(QStringLiteral("TermineOrdnerEdit"))->text();
            static_cast<QDialog*>(w)->reject();
        });
        haupt().Plaene()->TermineBtn()->click();
        EXPECT_EQ(gezeigt, QDir::toNativeSeparators(f.erwartet)) << f.fall;
    }
}

} // namespace
