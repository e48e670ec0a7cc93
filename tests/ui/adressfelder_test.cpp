// The e-mail fields of the detail pages: whatever the user does after typing, a plausible
// address reaches the record it was typed for, an implausible one is reported naming its
// field and changes nothing, and undo takes the change back.

#include "aktionen/dateiaktionen.h"
#include "gemeinsam/adressfeld.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehrerseite.h"
#include "detailfeld_wege.h"
#include "ui_hilfen.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Adressfelder : public DetailfeldWege {
protected:
    /// Tab and Enter end an address edit too.
    std::vector<Anlass> anlaesse(std::function<void()> andererEintrag, std::function<void()> andererReiter)
    {
        std::vector<Anlass> faelle = DetailfeldWege::anlaesse(andererEintrag, andererReiter,
                                                              "a refused address keeps the program open");
        faelle.insert(faelle.begin(),
                      {{"Tab",
                        [](bool) {
                            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                            QApplication::processEvents();
                        }},
                       {"Enter", [](bool) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }}});
        return faelle;
    }

    void tippe(TAdressFeld* feld, const char* text)
    {
        ASSERT_TRUE(feld->isVisible());
        feld->setFocus();
        feld->selectAll();
        if (*text)
            QTest::keyClicks(feld, S(text));
        else
            QTest::keyClick(feld, Qt::Key_Delete);
    }

    void elternZeigen(const char* name)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S(name)));
        haupt().Eltern()->AuswahlZeigen();
        haupt().Eltern()->Tabs()->setCurrentIndex(2);
    }
    void lehrerZeigen(const char* name)
    {
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S(name)));
        haupt().Lehrer()->AuswahlZeigen();
        haupt().Lehrer()->Tabs()->setCurrentIndex(0);
    }
};

TEST_F(Adressfelder, AdresseErreichtDenEintragAufJedemWeg)
{
    struct Feld {
        const char* name;
        const char* feldname; ///< as the message names it
        bool lehrer;
        QStringList vorher;
        QStringList nachher; ///< after typing "neu@example.org"
    };
    const QString neu = S("neu@example.org");
    const Feld felder[] = {
        {"LehrerEMailEdit", "E-Mail", true, {S("abel@schule.example")}, {neu}},
        {"ElternEMail1Edit", "E-Mail", false, {S("mama@example.org"), S("papa@example.org")}, {neu, S("papa@example.org")}},
        {"ElternEMail2Edit", "Zweite E-Mail", false, {S("mama@example.org")}, {S("mama@example.org"), neu}},
    };
    for (const Feld& f : felder) {
        const auto faelle = f.lehrer ? anlaesse([this] { haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Bauer (3)"))); },
                                                [this] { haupt().Lehrer()->Tabs()->setCurrentIndex(1); })
                                     : anlaesse([this] { haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S("6b: Kurz"))); },
                                                [this] { haupt().Eltern()->Tabs()->setCurrentIndex(0); });
        QStringList& gespeichert = f.lehrer ? tag().Lehrer.Suche(S("Abel (7)"))->EMail : tag().Eltern.Suche(S("5a: Meier"))->EMail;
        const char* wer = f.lehrer ? "Abel (7)" : "5a: Meier";
        for (const Anlass& a : faelle) {
            for (const bool gueltig : {true, false}) {
                SCOPED_TRACE(std::string(f.name) + " / " + a.name + (gueltig ? " / gültig" : " / ungültig"));
                gespeichert = f.vorher;
                f.lehrer ? lehrerZeigen(wer) : elternZeigen(wer);
                meldungen.clear();
                tippe(finde<TAdressFeld>(f.name), gueltig ? "neu@example.org" : "neu@example");
                a.ausloesen(gueltig);
                EXPECT_EQ(gespeichert, gueltig ? f.nachher : f.vorher);
                if (gueltig) {
                    EXPECT_TRUE(fehlermeldungen().empty()) << fehlermeldungen()[0].toStdString();
                } else {
                    ASSERT_EQ(fehlermeldungen().size(), 1u);
                    EXPECT_TRUE(fehlermeldungen()[0].startsWith(S("„neu@example“ im Feld „%1“ ist keine gültige E-Mail-Adresse")
                                                                    .arg(S(f.feldname))))
                        << fehlermeldungen()[0].toStdString();
                }
                for (const char* anderer : {"Bauer (3)", "6b: Kurz"}) {
                    const QStringList adressen = f.lehrer ? tag().Lehrer.Suche(S(anderer)) ? tag().Lehrer.Suche(S(anderer))->EMail : QStringList()
                                                          : tag().Eltern.Suche(S(anderer)) ? tag().Eltern.Suche(S(anderer))->EMail : QStringList();
                    EXPECT_TRUE(adressen.isEmpty()) << "nothing reaches the entry shown next";
                }
            }
        }
    }
}

TEST_F(Adressfelder, UngueltigeAdresseBleibtZumVerbessernImFeld)
{
    elternZeigen("5a: Meier");
    TAdressFeld* erste = haupt().Eltern()->Sonstiges()->EMail1Edit();
    tippe(erste, "mama(at)example.org");
    QTest::keyClick(erste, Qt::Key_Return);
    ASSERT_EQ(fehlermeldungen().size(), 1u);
    EXPECT_FALSE(fehlermeldungen()[0].contains(S("bleibt"))) << "the text stays for correction";
    EXPECT_EQ(erste->text(), S("mama(at)example.org"));
    EXPECT_TRUE(tag().Eltern.Suche(S("5a: Meier"))->EMail.isEmpty());

    tippe(erste, "mama@example.org");
    QTest::keyClick(erste, Qt::Key_Return);
    EXPECT_EQ(tag().Eltern.Suche(S("5a: Meier"))->EMail, QStringList{S("mama@example.org")});
    EXPECT_EQ(fehlermeldungen().size(), 1u);
}

TEST_F(Adressfelder, BeideFelderVorDemUebernehmenGeaendertUndRueckgaengig)
{
    // Undo puts other records in place: looked up anew each time.
    const auto adressen = [this] { return tag().Eltern.Suche(S("5a: Meier"))->EMail; };
    tag().Eltern.Suche(S("5a: Meier"))->EMail = {S("mama@example.org"), S("papa@example.org")};
    tag().NebenbeiGeaendert();
    elternZeigen("5a: Meier");
    TAdressFeld* erste = haupt().Eltern()->Sonstiges()->EMail1Edit();
    TAdressFeld* zweite = haupt().Eltern()->Sonstiges()->EMail2Edit();
    // Typed without leaving either field: the commit path takes both in turn.
    erste->selectAll();
    QTest::keyClick(erste, Qt::Key_Delete);
    zweite->selectAll();
    QTest::keyClicks(zweite, S("vater@example.org"));
    EXPECT_TRUE(haupt().AuswahlenSichern());
    EXPECT_EQ(adressen(), QStringList{S("vater@example.org")});
    EXPECT_EQ(erste->text(), S("vater@example.org"));
    EXPECT_EQ(zweite->text(), QString());

    // Two steps: the first field, then the second.
    haupt().RueckgaengigAktion()->trigger();
    EXPECT_EQ(adressen(), QStringList{S("papa@example.org")});
    EXPECT_EQ(erste->text(), S("papa@example.org"));
    haupt().RueckgaengigAktion()->trigger();
    EXPECT_EQ(adressen(), QStringList({S("mama@example.org"), S("papa@example.org")}));
    EXPECT_EQ(haupt().Eltern()->Sonstiges()->EMail2Edit()->text(), S("papa@example.org"));
    EXPECT_TRUE(fehlermeldungen().empty());
}

} // namespace
