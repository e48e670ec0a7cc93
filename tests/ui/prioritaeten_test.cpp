// Marks of requests ("Vorrang", "Einladung") on the parents' and the teachers' pages and the
// day switch for joint sibling talks: reached by keyboard, stored on the page's own commit
// path, undone as steps of their own.

#include "fenster/optimierfenster.h"
#include "fenster/statistikfenster.h"
#include "gemeinsam/relationsliste.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehrereinladungen.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Prioritaeten : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Bauer (3)", "Zander (101)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"5a: Meier", "6b: Kurz", "7c: Meier"})
            tag().ElternUebernehmen(S(e));
        haupt().DatenNeu();
        haupt().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    }
    TEltern& eintrag(const char* name) { return *tag().Eltern.Suche(S(name)); }
    TElternSprechwuensche* wuensche() { return haupt().Eltern()->Sprechwuensche(); }
    TRelationsListe* wunschListe() { return wuensche()->Liste(); }

    /// Eltern page, details layout, entry `name` selected, requests tab, focus in the list.
    void zeigeEltern(const char* name)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S(name)));
        haupt().Eltern()->Tabs()->setCurrentIndex(0);
        wunschListe()->setFocus();
    }
    /// Moves the list's current row to `zeile` with the arrow keys, as a keyboard user does.
    void geheZu(QListWidget* liste, int zeile)
    {
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Home);
        for (int i = 0; i < zeile; ++i)
            QTest::keyClick(liste, Qt::Key_Down);
        ASSERT_EQ(liste->currentRow(), zeile);
    }
    void alt(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k, Qt::AltModifier); }
    QStringList texte(QListWidget* liste)
    {
        QStringList t;
        for (int i = 0; i < liste->count(); ++i)
            t << liste->item(i)->text();
        return t;
    }
};

TEST_F(Prioritaeten, MarkeMitDerTastaturSetzenBleibtBeimReiterwechselUndGehtRueckgaengig)
{
    zeigeEltern("5a: Meier");
    geheZu(wunschListe(), 1); // Bauer (3)
    QComboBox* stufe = wuensche()->Prioritaet();
    EXPECT_FALSE(stufe->isEnabled()) << "no mark for a teacher not ticked";
    QTest::keyClick(wunschListe(), Qt::Key_Space);
    EXPECT_TRUE(stufe->isEnabled());
    EXPECT_EQ(stufe->currentText(), S("normal"));

    alt(Qt::Key_R);
    ASSERT_EQ(QApplication::focusWidget(), stufe);
    QTest::keyClick(stufe, Qt::Key_Down);
    // The tick went in first, then the mark: two steps.
    EXPECT_EQ(eintrag("5a: Meier").Sprechwuensche, QStringList{S("Bauer (3)")});
    EXPECT_EQ(eintrag("5a: Meier").Vorrang, QStringList{S("Bauer (3)")});
    EXPECT_TRUE(eintrag("5a: Meier").Einladungen.isEmpty());
    EXPECT_EQ(texte(wunschListe()), (QStringList{S("Abel (7)"), S("Bauer (3) – Vorrang"), S("Zander (101)")}));
    for (const char* andere : {"6b: Kurz", "7c: Meier"})
        EXPECT_TRUE(eintrag(andere).Vorrang.isEmpty()) << andere;

    haupt().Eltern()->Tabs()->setCurrentIndex(1);
    haupt().Eltern()->Tabs()->setCurrentIndex(0);
    EXPECT_EQ(eintrag("5a: Meier").Vorrang, QStringList{S("Bauer (3)")});
    wunschListe()->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(stufe->currentText(), S("Vorrang"));

    haupt().RueckgaengigAktion()->trigger();
    EXPECT_TRUE(eintrag("5a: Meier").Vorrang.isEmpty());
    EXPECT_EQ(eintrag("5a: Meier").Sprechwuensche, QStringList{S("Bauer (3)")}) << "only the mark went back";
    EXPECT_EQ(wunschListe()->item(1)->text(), S("Bauer (3)"));
    haupt().WiederholenAktion()->trigger();
    EXPECT_EQ(eintrag("5a: Meier").Vorrang, QStringList{S("Bauer (3)")});
    EXPECT_EQ(wunschListe()->item(1)->text(), S("Bauer (3) – Vorrang"));
}

TEST_F(Prioritaeten, KontextmenueVonDerTastaturMarkiertDieAktuelleZeile)
{
    eintrag("6b: Kurz").Sprechwuensche = QStringList{S("Abel (7)"), S("Zander (101)")};
    zeigeEltern("6b: Kurz");
    geheZu(wunschListe(), 2);
    QContextMenuEvent taste(QContextMenuEvent::Keyboard, QPoint(1, 1), wunschListe()->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(wunschListe(), &taste);
    QMenu* menue = wuensche()->Menue();
    ASSERT_TRUE(menue->isVisible());
    const QList<QAction*> eintraege = menue->actions();
    ASSERT_EQ(eintraege.size(), 3);
    EXPECT_TRUE(eintraege[0]->isChecked()) << "normal so far";
    QTest::keyClick(menue, Qt::Key_E);
    EXPECT_FALSE(menue->isVisible());
    EXPECT_EQ(eintrag("6b: Kurz").Einladungen, QStringList{S("Zander (101)")});
    EXPECT_EQ(eintrag("6b: Kurz").Sprechwuensche, (QStringList{S("Abel (7)"), S("Zander (101)")}));
    EXPECT_EQ(texte(wunschListe()), (QStringList{S("Abel (7)"), S("Bauer (3)"), S("Zander (101) – Einladung")}));

    // Back to normal through the menu of a row the mouse points at.
    const QPoint mitte = wunschListe()->visualItemRect(wunschListe()->item(2)).center();
    QContextMenuEvent maus(QContextMenuEvent::Mouse, mitte, wunschListe()->viewport()->mapToGlobal(mitte));
    QApplication::sendEvent(wunschListe()->viewport(), &maus);
    ASSERT_TRUE(menue->isVisible());
    EXPECT_TRUE(menue->actions()[2]->isChecked());
    menue->actions()[0]->trigger();
    menue->hide();
    EXPECT_TRUE(eintrag("6b: Kurz").Einladungen.isEmpty());
    EXPECT_EQ(wunschListe()->item(2)->text(), S("Zander (101)"));
}

TEST_F(Prioritaeten, AbgewaehlteLehrkraftVerliertIhreMarkeBeimSichern)
{
    TEltern& e = eintrag("7c: Meier");
    e.Sprechwuensche = QStringList{S("Abel (7)"), S("Bauer (3)")};
    e.Vorrang = QStringList{S("Abel (7)")};
    e.Einladungen = QStringList{S("Bauer (3)")};
    zeigeEltern("7c: Meier");
    EXPECT_EQ(texte(wunschListe()), (QStringList{S("Abel (7) – Vorrang"), S("Bauer (3) – Einladung"), S("Zander (101)")}));
    geheZu(wunschListe(), 1);
    QTest::keyClick(wunschListe(), Qt::Key_Space); // untick Bauer
    EXPECT_EQ(wunschListe()->item(1)->text(), S("Bauer (3)")) << "the mark goes at once from the picture";
    EXPECT_FALSE(wuensche()->Prioritaet()->isEnabled());
    haupt().Eltern()->Tabs()->setCurrentIndex(2);
    EXPECT_EQ(e.Sprechwuensche, QStringList{S("Abel (7)")});
    EXPECT_TRUE(e.Einladungen.isEmpty()) << "no invitation without its request";
    EXPECT_EQ(e.Vorrang, QStringList{S("Abel (7)")});
}

TEST_F(Prioritaeten, EinladungenReiterDerLehrkraftMitZaehlerUndRueckgaengig)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Bauer (3)")));
    QTabWidget* reiter = haupt().Lehrer()->Tabs();
    TLehrerEinladungen* einladungen = haupt().Lehrer()->Einladungen();
    reiter->setCurrentWidget(einladungen);
    TRelationsListe* liste = einladungen->Liste();
    EXPECT_EQ(texte(liste), (QStringList{S("5a: Meier"), S("6b: Kurz"), S("7c: Meier")})) << "every family, requested or not";
    // 15:00 to 18:00 in steps of 10 minutes: 18 slots.
    EXPECT_EQ(einladungen->Zaehler()->text(), S("Einladungen: 0 (mögliche Termine: 18)"));

    geheZu(liste, 0);
    QTest::keyClick(liste, Qt::Key_Space);
    QTest::keyClick(liste, Qt::Key_Down);
    QTest::keyClick(liste, Qt::Key_Down);
    QTest::keyClick(liste, Qt::Key_Space);
    EXPECT_TRUE(eintrag("5a: Meier").Einladungen.isEmpty()) << "stored on the page's commit path, not yet";
    reiter->setCurrentIndex(0);
    for (const char* name : {"5a: Meier", "7c: Meier"}) {
        EXPECT_EQ(eintrag(name).Einladungen, QStringList{S("Bauer (3)")}) << name;
        EXPECT_EQ(eintrag(name).Sprechwuensche, QStringList{S("Bauer (3)")}) << name << ": an invitation is a request";
    }
    EXPECT_TRUE(eintrag("6b: Kurz").Einladungen.isEmpty());
    EXPECT_EQ(einladungen->Zaehler()->text(), S("Einladungen: 2 (mögliche Termine: 18)"));

    // The parents' page shows the mark the teacher set.
    zeigeEltern("7c: Meier");
    EXPECT_EQ(wunschListe()->item(1)->text(), S("Bauer (3) – Einladung"));

    haupt().RueckgaengigAktion()->trigger();
    for (const char* name : {"5a: Meier", "7c: Meier"}) {
        EXPECT_TRUE(eintrag(name).Einladungen.isEmpty()) << name;
        EXPECT_TRUE(eintrag(name).Sprechwuensche.isEmpty()) << name;
    }
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    EXPECT_TRUE(liste->selectedItems().isEmpty());
    EXPECT_EQ(einladungen->Zaehler()->text(), S("Einladungen: 0 (mögliche Termine: 18)"));
}

TEST_F(Prioritaeten, GemeinsameGespraecheMitDerTastaturEinschaltenUndRueckgaengig)
{
    // Like "Pausen einplanen", the switch changes what the next computation does; plans
    // already computed stay shown until the organiser computes again.
    tag().PlaeneGueltig = true;
    tag().Geaendert(S("Zeitpläne berechnen"));
    haupt().ZeigeSeite(TForm2::Seite::Vorgaben);
    auto* kasten = finde<QCheckBox>("CbGemeinsameGespraeche");
    ASSERT_TRUE(kasten->isVisibleTo(&haupt()));
    EXPECT_EQ(kasten->text(), S("&Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch"));
    finde<QCheckBox>("CbRaumwechselPause")->setFocus();
    alt(Qt::Key_G);
    EXPECT_EQ(QApplication::focusWidget(), kasten);
    // The mnemonic clicks the box the way a button is clicked: it toggles when the
    // click's animation ends.
    QTRY_VERIFY_WITH_TIMEOUT(kasten->isChecked(), 60000);
    EXPECT_TRUE(tag().GemeinsameGespraeche);
    EXPECT_TRUE(tag().PlaeneGueltig);

    haupt().RueckgaengigAktion()->trigger();
    EXPECT_FALSE(tag().GemeinsameGespraeche);
    EXPECT_FALSE(kasten->isChecked());
    EXPECT_TRUE(tag().PlaeneGueltig);

    QTest::keyClick(kasten, Qt::Key_Space);
    EXPECT_TRUE(tag().GemeinsameGespraeche);
}

// One teacher with a single slot and three families asking for it: two invited, one not.
// The computation gives the slot to an invited family; the other invitation is the first
// unmet request the statistics name, before the uninvited family.
class PrioritaetenAuswertung : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        tag().SetSprechStart(Zeit::Kodiere(15, 0));
        tag().SetSprechEnde(Zeit::Kodiere(15, 10));
        tag().LehrerUebernehmen(S("Abel (7)"));
        for (const char* e : {"5a: Arm", "6b: Kurz", "7c: Zorn"}) {
            tag().ElternUebernehmen(S(e));
            tag().Eltern.Suche(S(e))->Sprechwuensche = QStringList{S("Abel (7)")};
        }
        for (const char* e : {"6b: Kurz", "7c: Zorn"})
            tag().Eltern.Suche(S(e))->Einladungen = QStringList{S("Abel (7)")};
        haupt().DatenNeu();
    }
    QString text(const char* name, QWidget* in) { return finde<QLabel>(name, in)->text(); }
};

TEST_F(PrioritaetenAuswertung, StatistikNenntEinladungenZuerstUndOptimierenZeigtJedeStufe)
{
    berechneUndWeiter();
    finde<QPushButton>("StatBtn")->click();
    TStatForm* stat = programm.Statistik();
    auto* reiter = finde<QTabWidget>("TabbedNotebook1", stat);
    reiter->setCurrentIndex(3);
    EXPECT_EQ(text("LbKennEinladungen", stat), S("1 von 2"));
    EXPECT_TRUE(finde<QLabel>("LbKennEinladungen", stat)->isVisible());
    EXPECT_EQ(text("LbKennVorrang", stat), S("0 von 0"));
    EXPECT_EQ(text("LbKennTermine", stat), S("1"));
    reiter->setCurrentIndex(4);
    EXPECT_EQ(text("LbStufen", stat), S("Einladungen: 1 von 2 erteilt"));
    auto* gruende = finde<QListView>("GruendeBox", stat);
    ASSERT_EQ(gruende->model()->rowCount(), 2);
    const QString erste = gruende->model()->index(0, 0).data().toString();
    EXPECT_TRUE(erste.startsWith(S("Abel (7)  --  6b: Kurz (Einladung): ")) || erste.startsWith(S("Abel (7)  --  7c: Zorn (Einladung): ")))
        << erste.toStdString();
    EXPECT_TRUE(gruende->model()->index(1, 0).data().toString().startsWith(S("Abel (7)  --  5a: Arm: ")));
    stat->close();

    TOptimierFenster* f = programm.Optimierfenster();
    QObject::connect(f, &TOptimierFenster::fertig, f, [&] {
        QMetaObject::invokeMethod(f, [&, f] {
            EXPECT_TRUE(finde<QLabel>("EinladungenJetzt", f)->isVisible());
            EXPECT_EQ(text("EinladungenVorher", f), S("1"));
            EXPECT_EQ(text("EinladungenJetzt", f), S("1"));
            EXPECT_EQ(text("VorrangJetzt", f), S("0"));
            EXPECT_EQ(text("TermineJetzt", f), S("1"));
            EXPECT_EQ(text("OhneTerminJetzt", f), S("2"));
            // Two more rows and a longer text than on a day without marks: none of them
            // may be squeezed below the height its text needs.
            for (QLabel* lb : f->findChildren<QLabel*>()) {
                if (!lb->isVisible() || lb->text().isEmpty())
                    continue;
                const int noetig = lb->hasHeightForWidth() ? lb->heightForWidth(lb->width()) : lb->sizeHint().height();
                EXPECT_GE(lb->height(), noetig) << lb->text().toStdString();
            }
            f->FertigBtn()->click();
        }, Qt::QueuedConnection);
    }, Qt::SingleShotConnection);
    finde<QPushButton>("OptimierenBtn")->click();
    EXPECT_FALSE(f->isVisible());
}

TEST_F(PrioritaetenAuswertung, VorschauNenntLehrkraefteMitMehrEinladungenAlsTerminen)
{
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    auto* lb = finde<QLabel>("EinladungenUeberKapazitaetLb");
    EXPECT_TRUE(lb->isVisible());
    EXPECT_EQ(lb->text(), S("Abel (7) hat 2 Einladungen, aber nur 1 Termin"));

    // Six such teachers: four lines and the rest counted, so that the page keeps its size.
    for (const char* l : {"Bauer (3)", "Cramer (4)", "Dorn (5)", "Ernst (6)", "Falk (8)"}) {
        tag().LehrerUebernehmen(S(l));
        for (const char* e : {"6b: Kurz", "7c: Zorn"}) {
            tag().Eltern.Suche(S(e))->Sprechwuensche << S(l);
            tag().Eltern.Suche(S(e))->Einladungen << S(l);
        }
    }
    tag().Geaendert();
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    EXPECT_EQ(lb->text(), S("Abel (7) hat 2 Einladungen, aber nur 1 Termin\n"
                            "Bauer (3) hat 2 Einladungen, aber nur 1 Termin\n"
                            "Cramer (4) hat 2 Einladungen, aber nur 1 Termin\n"
                            "Dorn (5) hat 2 Einladungen, aber nur 1 Termin\n"
                            "… und 2 weitere Lehrkräfte"));

    for (const auto& e : tag().Eltern)
        e.record->Einladungen.clear();
    tag().Geaendert();
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    EXPECT_FALSE(lb->isVisible());
}

TEST_F(PrioritaetenAuswertung, OhneMarkenZeigenBeideFensterNurDieBisherigenZeilen)
{
    for (const auto& e : tag().Eltern)
        e.record->Einladungen.clear();
    berechneUndWeiter();
    finde<QPushButton>("StatBtn")->click();
    TStatForm* stat = programm.Statistik();
    finde<QTabWidget>("TabbedNotebook1", stat)->setCurrentIndex(3);
    EXPECT_FALSE(finde<QLabel>("LbKennEinladungen", stat)->isVisible());
    EXPECT_TRUE(finde<QLabel>("LbKennTermine", stat)->isVisible());
    finde<QTabWidget>("TabbedNotebook1", stat)->setCurrentIndex(4);
    EXPECT_FALSE(finde<QLabel>("LbStufen", stat)->isVisible());
    stat->close();

    TOptimierFenster* f = programm.Optimierfenster();
    QObject::connect(f, &TOptimierFenster::fertig, f, [&] {
        QMetaObject::invokeMethod(f, [&, f] {
            EXPECT_FALSE(finde<QLabel>("EinladungenJetzt", f)->isVisible());
            EXPECT_TRUE(finde<QLabel>("TermineJetzt", f)->isVisible());
            f->FertigBtn()->click();
        }, Qt::QueuedConnection);
    }, Qt::SingleShotConnection);
    finde<QPushButton>("OptimierenBtn")->click();
}

} // namespace
