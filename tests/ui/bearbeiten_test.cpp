#include "aktionen/dateiaktionen.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/relationsliste.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehrerablehnungen.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QRadioButton>
#include <QToolButton>
#include <QScrollBar>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Bearbeiten : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Bauer (3)", "Zander (101)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"5a: Meier", "6b: Kurz", "7c: Meier", "8d: Lang"})
            tag().ElternUebernehmen(S(e));
        haupt().DatenNeu();
    }
    TElternSeite* eltern() { return haupt().Eltern(); }
    TLehrerSeite* lehrer() { return haupt().Lehrer(); }
    QStringList wuensche(const char* name) { return tag().Eltern.Suche(S(name))->Sprechwuensche; }

    /// Eltern page, details layout, entry `name` selected, requests tab.
    void zeigeEltern(const char* name)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        eltern()->Waehle(tag().Eltern.IndexVon(S(name)));
        eltern()->Tabs()->setCurrentIndex(0);
    }
    /// Toggles a teacher in the request list the way a click does, without moving focus.
    void klickeWunsch(int zeile)
    {
        QListWidgetItem* item = eltern()->Sprechwuensche()->Liste()->item(zeile);
        item->setSelected(!item->isSelected());
    }
};

TEST_F(Bearbeiten, JederAnlassSpeichertDieWuenscheDesGezeigtenEintrags)
{
    struct Anlass {
        const char* name;
        std::function<void()> ausloesen;
    };
    const Anlass anlaesse[] = {
        {"anderer Eintrag in der Liste", [this] { eltern()->Waehle(1); }},
        {"Suche", [this] {
             auto* suche = finde<QLineEdit>("ElternSuchEdit");
             suche->setText(S("kurz"));
             emit suche->textEdited(suche->text());
         }},
        {"Reiter der Details", [this] { eltern()->Tabs()->setCurrentIndex(2); }},
        {"Seitenwechsel", [this] { haupt().ZeigeSeite(TForm2::Seite::Vorschau); }},
        {"Ansichtsschalter", [this] { finde<QPushButton>("SbElternDetails")->click(); }},
        {"Speichern", [this] {
             BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(S("AbbruchBtn"))->click(); });
             programm.Dateien()->SaveIt();
         }},
        {"Programmende", [this] {
             antwort = Meldung::Antwort::Nein;
             programm.Dateien()->DarfBeenden();
         }},
        {"Weiter zur nächsten Seite", [this] { finde<QPushButton>("FwdBtn")->click(); }},
    };
    for (const Anlass& a : anlaesse) {
        SCOPED_TRACE(a.name);
        for (const auto& e : tag().Eltern)
            e.record->Sprechwuensche.clear();
        zeigeEltern("5a: Meier");
        klickeWunsch(1); // Bauer (3)
        a.ausloesen();
        EXPECT_EQ(wuensche("5a: Meier"), QStringList{S("Bauer (3)")});
        for (const char* andere : {"6b: Kurz", "7c: Meier", "8d: Lang"})
            EXPECT_TRUE(wuensche(andere).isEmpty()) << andere;
    }
}

TEST_F(Bearbeiten, KontextmenueSpeichertGeschwisterZuerstUndBietetSprungAn)
{
    zeigeEltern("5a: Meier");
    eltern()->Tabs()->setCurrentIndex(1);
    TRelationsListe* liste = eltern()->Geschwister()->Liste();
    ASSERT_EQ(liste->Eintraege(), QStringList{S("7c: Meier")}) << "only the similar name is offered";
    liste->item(0)->setSelected(true);
    eltern()->Geschwister()->GeschwisterPopupPopup();
    EXPECT_EQ(tag().Eltern.Suche(S("5a: Meier"))->Geschwister.Liste(), QStringList{S("7c: Meier")});
    EXPECT_EQ(tag().Eltern.Suche(S("7c: Meier"))->Geschwister.Liste(), QStringList{S("5a: Meier")});
    QMenu* menue = eltern()->Geschwister()->Menue();
    QMenu* unter = menue->findChild<QMenu*>(S("ZuGeschwisternwechseln1"));
    ASSERT_NE(unter, nullptr);
    ASSERT_EQ(unter->actions().size(), 1);
    unter->actions()[0]->trigger();
    EXPECT_EQ(eltern()->GewaehlterName(), S("7c: Meier"));
}

TEST_F(Bearbeiten, GeschwisterMenueOhneGeschwister)
{
    zeigeEltern("6b: Kurz");
    eltern()->Geschwister()->GeschwisterPopupPopup();
    QMenu* unter = eltern()->Geschwister()->Menue()->findChild<QMenu*>(S("ZuGeschwisternwechseln1"));
    ASSERT_EQ(unter->actions().size(), 1);
    EXPECT_FALSE(unter->actions()[0]->isEnabled());
    EXPECT_EQ(unter->actions()[0]->text(), S("Keine Geschwister für diesen Schüler markiert"));
}

TEST_F(Bearbeiten, SucheMitWeiterUndUmlauf)
{
    zeigeEltern("8d: Lang");
    auto* suche = finde<QLineEdit>("ElternSuchEdit");
    auto* weiter = finde<QPushButton>("ElternSuchWeiterBtn");
    suche->setText(S("mei"));
    emit suche->textEdited(suche->text());
    EXPECT_EQ(eltern()->GewaehlterName(), S("5a: Meier"));
    weiter->click();
    EXPECT_EQ(eltern()->GewaehlterName(), S("7c: Meier"));
    weiter->click();
    EXPECT_EQ(eltern()->GewaehlterName(), S("5a: Meier")) << "wraps to the first hit";
    suche->setText(S("xyz"));
    emit suche->textEdited(suche->text());
    EXPECT_EQ(eltern()->GewaehlterName(), S("5a: Meier")) << "no hit keeps the selection";
}

TEST_F(Bearbeiten, StandardknopfFolgtDemFeld)
{
    zeigeEltern("5a: Meier");
    eltern()->Tabs()->setCurrentIndex(2);
    auto* rename = finde<QLineEdit>("ElternRenameEdit");
    rename->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(finde<QPushButton>("ElternRenameBtn")->isDefault());
    EXPECT_FALSE(finde<QPushButton>("ElternSubmitBtn")->isDefault());
    rename->setText(S("5a: Meier-Schulz"));
    QTest::keyClick(rename, Qt::Key_Return);
    EXPECT_NE(tag().Eltern.Suche(S("5a: Meier-Schulz")), nullptr) << "Enter in the rename field renames";
    EXPECT_EQ(tag().Eltern.Anzahl(), 4);

    finde<QPushButton>("SbElternDetails")->click();
    auto* inp = finde<QLineEdit>("InpEltern");
    inp->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(finde<QPushButton>("ElternSubmitBtn")->isDefault());
}

TEST_F(Bearbeiten, LoeschenWaehltDenNachfolgerOderDenNeuenLetzten)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    lehrer()->Waehle(1); // Bauer
    finde<QPushButton>("LehrerDelBtn")->click();
    EXPECT_EQ(tag().Lehrer.Namen(), (QStringList{S("Abel (7)"), S("Zander (101)")}));
    EXPECT_EQ(lehrer()->GewaehlterName(), S("Zander (101)"));
    finde<QPushButton>("LehrerDelBtn")->click();
    EXPECT_EQ(lehrer()->GewaehlterName(), S("Abel (7)"));
    finde<QPushButton>("LehrerDelBtn")->click();
    EXPECT_TRUE(lehrer()->GewaehlterName().isEmpty());
    EXPECT_EQ(finde<QLabel>("LPanel")->text(), S("Kein Lehrer ausgewählt"));
}

TEST_F(Bearbeiten, LoeschenMitPlaenenFragtUndNeinLaesstAlles)
{
    tag().PlaeneGueltig = true;
    zeigeEltern("6b: Kurz");
    eltern()->Tabs()->setCurrentIndex(2);
    antwort = Meldung::Antwort::Nein;
    finde<QPushButton>("DelElternBtn")->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(S("Es liegen bereits erzeugte Zeitpläne vor.")));
    EXPECT_EQ(tag().Eltern.Anzahl(), 4);
    EXPECT_TRUE(tag().PlaeneGueltig);
    EXPECT_EQ(eltern()->GewaehlterName(), S("6b: Kurz"));

    antwort = Meldung::Antwort::Ja;
    finde<QPushButton>("DelElternBtn")->click();
    EXPECT_EQ(tag().Eltern.Anzahl(), 3);
    EXPECT_FALSE(tag().PlaeneGueltig);
    EXPECT_EQ(eltern()->GewaehlterName(), S("7c: Meier"));
}

TEST_F(Bearbeiten, AblehnungszaehlerRotBeiUeberbuchung)
{
    tag().SetSprechEnde(Zeit::Kodiere(15, 20)); // two slots
    for (const char* e : {"5a: Meier", "6b: Kurz", "7c: Meier"})
        tag().Eltern.Suche(S(e))->Sprechwuensche = {S("Abel (7)")};
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    lehrer()->Waehle(0);
    lehrer()->Tabs()->setCurrentIndex(2);
    auto* wue = finde<QLabel>("LehrerAnzWueLb");
    EXPECT_EQ(wue->text(), S("3"));
    EXPECT_EQ(finde<QLabel>("LehrerAnzTermLb")->text(), S("2"));
    EXPECT_TRUE(wue->font().bold());
    EXPECT_EQ(wue->palette().color(QPalette::WindowText), QColor(Qt::red));

    // The refusal marked for Abel is stored when another teacher is selected.
    TRelationsListe* abl = lehrer()->Ablehnungen()->Liste();
    ASSERT_EQ(abl->count(), 3);
    abl->item(1)->setSelected(true);
    lehrer()->Waehle(1);
    EXPECT_EQ(tag().Lehrer.Suche(S("Abel (7)"))->Ablehnungen, QStringList{S("6b: Kurz")});
    EXPECT_TRUE(tag().Lehrer.Suche(S("Bauer (3)"))->Ablehnungen.isEmpty());
    EXPECT_FALSE(wue->font().bold());
}

TEST_F(Bearbeiten, SchriftgroesseGiltFuerBeideListen)
{
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    const qreal klein = finde<QListView>("LehrerBox")->font().pointSizeF();
    finde<QToolButton>("SpeedButton9")->click();
    EXPECT_GT(finde<QListView>("LehrerBox")->font().pointSizeF(), klein);
    EXPECT_TRUE(finde<QToolButton>("SpeedButton5")->isChecked());
    finde<QToolButton>("SpeedButton6")->click();
    EXPECT_EQ(finde<QListView>("ElternBox")->font().pointSizeF(), klein);
    EXPECT_TRUE(finde<QToolButton>("SpeedButton10")->isChecked());
}

TEST_F(Bearbeiten, SpaltenknoepfeImUeberblickUndInDenDetails)
{
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    ASSERT_FALSE(eltern()->DetailsAn());
    const int relation = eltern()->RelationsSpalten();
    finde<QPushButton>("SpaltenIncBtn")->click();
    EXPECT_EQ(eltern()->ElternSpalten(), 4);
    EXPECT_EQ(eltern()->RelationsSpalten(), relation) << "the overview buttons leave the relation lists alone";
    finde<QPushButton>("SbElternDetails")->click();
    for (int i = 0; i < 12; ++i)
        finde<QPushButton>("SpaltenIncBtn")->click();
    EXPECT_EQ(eltern()->RelationsSpalten(), 10);
    EXPECT_EQ(finde<QLabel>("SpaltenLehLb")->text(), S("10"));
    EXPECT_EQ(eltern()->Geschwister()->Liste()->Spalten(), 10);
}

} // namespace

namespace {

TEST_F(Bearbeiten, NachLoeschenAllerLehrerZeigenDieDetailsNiemanden)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    lehrer()->Waehle(0);
    ASSERT_EQ(finde<QLabel>("LPanel")->text(), S("Abel (7)"));
    tag().LehrerLoesch(); // as a load with "Ersetzen" does
    haupt().DatenNeu();
    EXPECT_EQ(finde<QLabel>("LPanel")->text(), S("Kein Lehrer ausgewählt"));
    EXPECT_FALSE(finde<QTabWidget>("LehrerPageC")->isVisible());
}

} // namespace

namespace {

TEST_F(Bearbeiten, AuswahlmodusWechselBehaeltDieWuensche)
{
    tag().Eltern.Suche(S("5a: Meier"))->Sprechwuensche = {S("Zander (101)"), S("Abel (7)")};
    zeigeEltern("5a: Meier");
    TRelationsListe* liste = eltern()->Sprechwuensche()->Liste();
    klickeWunsch(1); // Bauer, pending
    finde<QRadioButton>("SelModExtRb1")->click();
    EXPECT_EQ(liste->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(wuensche("5a: Meier"), (QStringList{S("Abel (7)"), S("Bauer (3)"), S("Zander (101)")}))
        << "the pending click is stored first, in teacher-list order";
    EXPECT_EQ(liste->Ausgewaehlt(), wuensche("5a: Meier"));
    finde<QRadioButton>("SelModNormRb1")->click();
    EXPECT_EQ(liste->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_EQ(liste->Ausgewaehlt(), wuensche("5a: Meier"));
}

} // namespace

namespace {

/// Runs what is posted (queued slots, layout requests) but no timer: what the screen
/// shows right after the click, before anything delayed could happen.
void NurGepostetes()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::sendPostedEvents();
}

QList<QRect> Plaetze(const QListWidget& liste)
{
    QList<QRect> p;
    for (int i = 0; i < liste.count(); ++i)
        p << liste.visualItemRect(liste.item(i));
    return p;
}

// A filter that shortens a relation list so far that its horizontal scroll bar goes
// away: the items stand in their final place with the click, not a moment later.
TEST(RelationsListe, NachDemFilterSofortFertigAngeordnet)
{
    TRelationsListe liste(S("GeschwisterBox"), S("Geschwister"), nullptr);
    liste.SetSpalten(3);
    // The row height is the list's own (tall enough for the font's umlaut dots); this test
    // is about when the rows are placed, not how tall they are.
    const int h = liste.gridSize().height();
    ASSERT_GT(h, liste.fontMetrics().height());
    const int balken = liste.horizontalScrollBar()->sizeHint().height();
    ASSERT_LT(balken / 2, h);
    // Room for nine rows without the scroll bar, for eight with it.
    liste.resize(300, 9 * h + balken / 2 + 2 * liste.frameWidth());
    liste.show();
    auto eintraege = [](int n) {
        QStringList e;
        for (int i = 0; i < n; ++i)
            e << S("9z: Familie %1").arg(i, 3, 10, QLatin1Char('0'));
        return e;
    };
    liste.Zeige(S("5a: Meier"), eintraege(60), {});
    NurGepostetes();
    ASSERT_TRUE(liste.horizontalScrollBar()->isVisible());

    // 20 items fit into the three visible columns: the scroll bar is gone, the items
    // run from top to bottom, column by column, one grid cell apart.
    liste.Zeige(S("5a: Meier"), eintraege(20), {});
    NurGepostetes();
    EXPECT_FALSE(liste.horizontalScrollBar()->isVisible());
    const QList<QRect> sofort = Plaetze(liste);
    ASSERT_EQ(sofort.size(), 20);
    EXPECT_EQ(sofort[1].top(), sofort[0].top() + h);
    EXPECT_EQ(sofort[1].left(), sofort[0].left());
    EXPECT_EQ(sofort[19].left(), sofort[0].left() + 2 * liste.gridSize().width());
    // Laying out once more moves nothing.
    liste.doItemsLayout();
    NurGepostetes();
    EXPECT_EQ(Plaetze(liste), sofort);
}

} // namespace
