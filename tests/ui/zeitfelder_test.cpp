// The time fields of the detail tabs (a parent's "nicht vor"/"nicht nach", a teacher's own
// hours): whatever the user does after typing, a valid time reaches the record it was typed
// for, and an invalid one is reported by name and changes nothing.

#include "aktionen/dateiaktionen.h"
#include "fenster/rechenfenster.h"
#include "gemeinsam/zeitfeld.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehreranwesenheit.h"
#include "seiten/lehrerseite.h"
#include "detailfeld_wege.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Zeitfelder : public DetailfeldWege {
protected:
    /// "Weiter" ends a time edit too.
    std::vector<Anlass> anlaesse(std::function<void()> andererEintrag, std::function<void()> andererReiter)
    {
        std::vector<Anlass> faelle = DetailfeldWege::anlaesse(andererEintrag, andererReiter,
                                                              "an invalid time keeps the program open");
        faelle.insert(faelle.begin() + 3, {"Weiter", [this](bool) { finde<QPushButton>("FwdBtn")->click(); }});
        return faelle;
    }

    static void tippe(TZeitFeld* feld, const char* text)
    {
        ASSERT_TRUE(feld->isVisible());
        feld->selectAll();
        QTest::keyClicks(feld, S(text));
    }
};

TEST_F(Zeitfelder, ElternzeitenErreichenDenEintragAufJedemWeg)
{
    TElternSeite* seite = haupt().Eltern();
    TEltern& meier = *tag().Eltern.Suche(S("5a: Meier"));
    const auto anzeigen = [&] {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!seite->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        seite->Waehle(tag().Eltern.IndexVon(S("5a: Meier")));
        seite->AuswahlZeigen();
        seite->Tabs()->setCurrentIndex(2);
    };
    auto faelle = anlaesse([&] { seite->Waehle(tag().Eltern.IndexVon(S("6b: Kurz"))); },
                           [&] { seite->Tabs()->setCurrentIndex(0); });
    faelle.push_back({"Ansichtsschalter", [this](bool) { finde<QPushButton>("SbElternDetails")->click(); }});

    struct Feld {
        const char* name;
        const char* anzeige;
        double TEltern::*zeit;
    };
    const Feld felder[] = {{"ElternZeitAbEdit", "Termine nicht vor", &TEltern::NichtVorZeit},
                           {"ElternZeitBisEdit", "Termine nicht nach", &TEltern::NichtNachZeit}};
    for (const Anlass& a : faelle) {
        for (const Feld& f : felder) {
            for (const bool gueltig : {true, false}) {
                SCOPED_TRACE(std::string(a.name) + " / " + f.anzeige + (gueltig ? " / gültig" : " / ungültig"));
                meier.NichtVor = meier.NichtNach = true;
                meier.NichtVorZeit = Zeit::Kodiere(16, 0);
                meier.NichtNachZeit = Zeit::Kodiere(18, 0);
                anzeigen();
                meldungen.clear();
                tippe(finde<TZeitFeld>(f.name), gueltig ? "17:05" : "30");
                a.ausloesen(gueltig);
                const double vorher = f.zeit == &TEltern::NichtVorZeit ? Zeit::Kodiere(16, 0) : Zeit::Kodiere(18, 0);
                EXPECT_EQ(meier.*f.zeit, gueltig ? Zeit::Kodiere(17, 5) : vorher);
                if (gueltig) {
                    EXPECT_TRUE(fehlermeldungen().empty());
                } else {
                    // The field's own message, then the entry and the time that stays.
                    ASSERT_EQ(fehlermeldungen().size(), 1u);
                    EXPECT_TRUE(fehlermeldungen()[0].endsWith(S("\rFür „5a: Meier“ gilt weiter %1 Uhr.")
                                                         .arg(f.zeit == &TEltern::NichtVorZeit ? S("16:00") : S("18:00"))))
                        << fehlermeldungen()[0].toStdString();
                }
            }
        }
    }
}

TEST_F(Zeitfelder, EigeneSprechzeitenErreichenDenLehrerAufJedemWeg)
{
    TLehrerSeite* seite = haupt().Lehrer();
    TLehrer& abel = *tag().Lehrer.Suche(S("Abel (7)"));
    const auto anzeigen = [&] {
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        seite->Waehle(tag().Lehrer.IndexVon(S("Abel (7)")));
        seite->AuswahlZeigen();
        seite->Tabs()->setCurrentIndex(1);
    };
    const auto faelle = anlaesse([&] { seite->Waehle(tag().Lehrer.IndexVon(S("Bauer (3)"))); },
                                 [&] { seite->Tabs()->setCurrentIndex(2); });
    struct Feld {
        const char* name;
        const char* anzeige;
        const char* vorher;
        double TLehrer::*zeit;
    };
    const Feld felder[] = {{"AbweichStartZeitEdit", "Sprechzeitbeginn", "15:00", &TLehrer::StartZeit},
                           {"AbweichEndZeitEdit", "Sprechzeitende", "18:00", &TLehrer::EndZeit}};
    for (const Anlass& a : faelle) {
        for (const Feld& f : felder) {
            for (const bool gueltig : {true, false}) {
                SCOPED_TRACE(std::string(a.name) + " / " + f.anzeige + (gueltig ? " / gültig" : " / ungültig"));
                abel.AbweichZeit = true;
                abel.StartZeit = Zeit::Kodiere(15, 0);
                abel.EndZeit = Zeit::Kodiere(18, 0);
                anzeigen();
                meldungen.clear();
                tippe(finde<TZeitFeld>(f.name), gueltig ? "17:05" : "30");
                a.ausloesen(gueltig);
                EXPECT_EQ(abel.*f.zeit, gueltig ? Zeit::Kodiere(17, 5) : *Zeit::ZeitText(S(f.vorher)));
                if (gueltig) {
                    EXPECT_TRUE(fehlermeldungen().empty());
                } else {
                    ASSERT_EQ(fehlermeldungen().size(), 1u);
                    EXPECT_TRUE(fehlermeldungen()[0].contains(S("30"))) << fehlermeldungen()[0].toStdString();
                    EXPECT_TRUE(fehlermeldungen()[0].endsWith(S("\rFür „Abel (7)“ gilt weiter %1 Uhr.").arg(S(f.vorher))))
                        << fehlermeldungen()[0].toStdString();
                }
                const TLehrer& bauer = *tag().Lehrer.Suche(S("Bauer (3)"));
                EXPECT_FALSE(bauer.StartZeit == Zeit::Kodiere(17, 5) || bauer.EndZeit == Zeit::Kodiere(17, 5))
                    << "nothing reaches the teacher shown next";
            }
        }
    }
}

TEST_F(Zeitfelder, BerechnungHaeltDieGetippteGrenzeEin)
{
    // A whole evening for one request; only the typed limit can move it to 17:00.
    TElternSeite* seite = haupt().Eltern();
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    finde<QPushButton>("SbElternDetails")->click();
    seite->Waehle(tag().Eltern.IndexVon(S("5a: Meier")));
    seite->Tabs()->setCurrentIndex(2);
    finde<QCheckBox>("ElternZeitAbCb")->click();
    tippe(finde<TZeitFeld>("ElternZeitAbEdit"), "17");
    finde<QTabWidget>("PageC")->setCurrentIndex(int(TForm2::Seite::Plaene));
    berechneUndWeiter();
    const QStringList plan = tag().Eltern.Suche(S("5a: Meier"))->Zeitplan.Liste();
    ASSERT_EQ(plan.size(), 1);
    EXPECT_GE(plan[0].left(5), S("17:00")) << plan[0].toStdString();
    EXPECT_TRUE(plan[0].endsWith(S("Uhr: Abel (7)"))) << plan[0].toStdString();
}

TEST_F(Zeitfelder, VerlassenMitTabOderEnterNimmtDieZeitUndUngueltigeBleibtImFeld)
{
    TLehrerSeite* seite = haupt().Lehrer();
    TLehrer& abel = *tag().Lehrer.Suche(S("Abel (7)"));
    abel.AbweichZeit = true;
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    seite->Waehle(tag().Lehrer.IndexVon(S("Abel (7)")));
    seite->Tabs()->setCurrentIndex(1);
    auto* start = finde<TZeitFeld>("AbweichStartZeitEdit");
    auto* ende = finde<TZeitFeld>("AbweichEndZeitEdit");

    // Enter takes the time and reaches no button (no new teacher from the entry line).
    tippe(start, "16:30");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(abel.StartZeit, Zeit::Kodiere(16, 30));
    EXPECT_EQ(tag().Lehrer.Anzahl(), 2);

    // An invalid text left for the other field is reported once, and stays there.
    tippe(start, "16,45");
    QTest::keyClick(start, Qt::Key_Return);
    ASSERT_EQ(fehlermeldungen().size(), 1u);
    EXPECT_TRUE(fehlermeldungen()[0].contains(S("16,45"))) << fehlermeldungen()[0].toStdString();
    EXPECT_FALSE(fehlermeldungen()[0].contains(S("gilt weiter"))) << "the text stays for correction";
    EXPECT_EQ(start->text(), S("16,45"));
    EXPECT_EQ(abel.StartZeit, Zeit::Kodiere(16, 30));

    // A spin button starts from the typed time.
    tippe(ende, "17:00");
    ende->Nehmen();
    tippe(ende, "17:30");
    haupt().Lehrer()->Anwesenheit()->Drehen(false, true);
    EXPECT_EQ(abel.EndZeit, Zeit::Kodiere(17, 40));
    EXPECT_EQ(ende->text(), S("17:40"));

    // Corrected, it is taken (and nothing is left to report when the window closes).
    tippe(start, "16:45");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(abel.StartZeit, Zeit::Kodiere(16, 45));
    EXPECT_EQ(fehlermeldungen().size(), 1u);
}

// German typing: "16:30", "16.30" and "1630" are the same time in every time field of the
// program, stored as that time and shown again as "16:30".
TEST_F(Zeitfelder, JedesZeitfeldNimmtDieDeutschenSchreibweisen)
{
    const double halbFuenf = Zeit::Kodiere(16, 30);
    const char* schreibweisen[] = {"16:30", "16.30", "1630"};

    TLehrer& abel = *tag().Lehrer.Suche(S("Abel (7)"));
    TEltern& meier = *tag().Eltern.Suche(S("5a: Meier"));
    struct Feld {
        const char* name;
        std::function<void()> zeigen;
        std::function<double()> gespeichert;
    };
    const auto lehrerZeigen = [&] {
        abel.AbweichZeit = true;
        abel.StartZeit = Zeit::Kodiere(15, 0);
        abel.EndZeit = Zeit::Kodiere(18, 0);
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Abel (7)")));
        haupt().Lehrer()->AuswahlZeigen();
        haupt().Lehrer()->Tabs()->setCurrentIndex(1);
    };
    const auto elternZeigen = [&] {
        meier.NichtVor = meier.NichtNach = true;
        meier.NichtVorZeit = Zeit::Kodiere(15, 0);
        meier.NichtNachZeit = Zeit::Kodiere(18, 0);
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S("5a: Meier")));
        haupt().Eltern()->AuswahlZeigen();
        haupt().Eltern()->Tabs()->setCurrentIndex(2);
    };
    const Feld felder[] = {
        {"AbweichStartZeitEdit", lehrerZeigen, [&] { return abel.StartZeit; }},
        {"AbweichEndZeitEdit", lehrerZeigen, [&] { return abel.EndZeit; }},
        {"ElternZeitAbEdit", elternZeigen, [&] { return meier.NichtVorZeit; }},
        {"ElternZeitBisEdit", elternZeigen, [&] { return meier.NichtNachZeit; }},
    };
    for (const Feld& f : felder) {
        for (const char* text : schreibweisen) {
            SCOPED_TRACE(std::string(f.name) + " / " + text);
            f.zeigen();
            auto* feld = finde<TZeitFeld>(f.name);
            tippe(feld, text);
            QTest::keyClick(feld, Qt::Key_Return);
            EXPECT_EQ(f.gespeichert(), halbFuenf);
            EXPECT_EQ(feld->text(), S("16:30"));
        }
    }

    // The break dialog's start.
    haupt().ZeigeSeite(TForm2::Seite::Vorgaben);
    for (const char* text : schreibweisen) {
        SCOPED_TRACE(std::string("EditStart / ") + text);
        tag().Pausen.clear();
        BeimNaechstenDialog([text](QWidget* d) {
            d->findChild<QLineEdit*>(S("EditStart"))->setText(S(text));
            d->findChild<QPushButton*>(S("OkBtn"))->click();
        });
        finde<QPushButton>("PausePlus")->click();
        ASSERT_EQ(tag().Pausen.size(), 1u);
        EXPECT_EQ(tag().Pausen[0]->Start(), halbFuenf);
        EXPECT_TRUE(finde<QListWidget>("PausenBox")->item(0)->text().startsWith(S("16:30 Uhr - 17:00 Uhr")));
    }
    tag().Pausen.clear();

    // The drop-out dialog's time, on computed plans.
    abel.AbweichZeit = false;
    berechneUndWeiter();
    ASSERT_TRUE(tag().PlaeneGueltig);
    for (const char* text : schreibweisen) {
        SCOPED_TRACE(std::string("AusfallZeitEdit / ") + text);
        QString ergebnis;
        BeimNaechstenDialog([&](QWidget* d) {
            auto* cb = d->findChild<QComboBox*>(S("AusfallLehrerCb"));
            cb->setCurrentIndex(cb->findText(S("Abel (7)")));
            d->findChild<QRadioButton*>(S("RbAusfallAb"))->click();
            QTest::keyClicks(d->findChild<QLineEdit*>(S("AusfallZeitEdit")), S(text));
            ergebnis = d->findChild<QPlainTextEdit*>(S("AusfallErgebnis"))->toPlainText();
            d->findChild<QPushButton*>(S("AusfallAbbrechenBtn"))->click();
        });
        finde<QPushButton>("AusfallBtn")->click();
        EXPECT_TRUE(ergebnis.startsWith(S("Abel (7) kommt erst ab 16:30.\nNeue Sprechzeit: 16:30 bis 18:00")))
            << ergebnis.toStdString();
    }
    EXPECT_TRUE(fehlermeldungen().empty());
}

} // namespace
