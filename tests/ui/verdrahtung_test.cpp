// The detail controls drive the record: each test works the widgets as a user does and
// then reads the teacher's or the parent's record, never the widgets.
#include "gemeinsam/relationsliste.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehrerablehnungen.h"
#include "seiten/lehreranwesenheit.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Verdrahtung : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Bauer (3)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"5a: Meier Anna", "6b: Kurz", "7c: Meier", "8d: Anna Lang", "9e: Brandt"})
            tag().ElternUebernehmen(S(e));
        tag().Eltern.Suche(S("6b: Kurz"))->Sprechwuensche = {S("Abel (7)")};
        tag().Eltern.Suche(S("9e: Brandt"))->Sprechwuensche = {S("Bauer (3)"), S("Abel (7)")};
        haupt().DatenNeu();
    }

    TLehrer& lehrerRec(const char* name) { return *tag().Lehrer.Suche(S(name)); }
    TEltern& elternRec(const char* name) { return *tag().Eltern.Suche(S(name)); }

    void zeigeLehrer(const char* name, int reiter)
    {
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S(name)));
        haupt().Lehrer()->Tabs()->setCurrentIndex(reiter);
    }
    void zeigeEltern(const char* name, int reiter)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S(name)));
        haupt().Eltern()->Tabs()->setCurrentIndex(reiter);
    }
    /// Types `text` into `feld` and takes it with Enter.
    void tippe(const char* feld, const char* text)
    {
        auto* e = finde<QLineEdit>(feld);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, S(text));
        QTest::keyClick(e, Qt::Key_Return);
    }
};

TEST_F(Verdrahtung, EigeneSprechzeitenDerLehrkraft)
{
    zeigeLehrer("Bauer (3)", 1);
    ASSERT_FALSE(lehrerRec("Bauer (3)").AbweichZeit);

    finde<QRadioButton>("RbAbweichZeitYes")->click();
    EXPECT_TRUE(lehrerRec("Bauer (3)").AbweichZeit);
    EXPECT_FALSE(lehrerRec("Abel (7)").AbweichZeit);
    EXPECT_TRUE(finde<QWidget>("PnAbwZeiten")->isVisible());

    tippe("AbweichStartZeitEdit", "16:20");
    tippe("AbweichEndZeitEdit", "19:05");
    EXPECT_EQ(lehrerRec("Bauer (3)").StartZeit, Zeit::Kodiere(16, 20));
    EXPECT_EQ(lehrerRec("Bauer (3)").EndZeit, Zeit::Kodiere(19, 5));

    // The spin buttons move by ten minutes and take the time at once.
    auto knopf = [this](const char* name) {
        for (QToolButton* k : haupt().Lehrer()->Anwesenheit()->findChildren<QToolButton*>())
            if (k->accessibleName() == S(name))
                return k;
        ADD_FAILURE() << name;
        return static_cast<QToolButton*>(nullptr);
    };
    knopf("Sprechzeitbeginn 10 Minuten früher")->click();
    knopf("Sprechzeitende 10 Minuten später")->click();
    EXPECT_EQ(lehrerRec("Bauer (3)").StartZeit, Zeit::Kodiere(16, 10));
    EXPECT_EQ(lehrerRec("Bauer (3)").EndZeit, Zeit::Kodiere(19, 15));
    EXPECT_TRUE(meldungen.empty());

    // A time that is no time is refused with a message and leaves the record.
    tippe("AbweichStartZeitEdit", "25:70");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(lehrerRec("Bauer (3)").StartZeit, Zeit::Kodiere(16, 10));

    finde<QRadioButton>("RbAbweichZeitNo")->click();
    EXPECT_FALSE(lehrerRec("Bauer (3)").AbweichZeit);
    EXPECT_EQ(lehrerRec("Bauer (3)").EndZeit, Zeit::Kodiere(19, 15)) << "switching off keeps the times";
    EXPECT_TRUE(finde<QWidget>("PnAbwNoZeiten")->isVisible());

    // Another teacher shows his own state, and switching back shows Bauer's.
    haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Abel (7)")));
    EXPECT_TRUE(finde<QRadioButton>("RbAbweichZeitNo")->isChecked());
    finde<QRadioButton>("RbAbweichZeitYes")->click();
    haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Bauer (3)")));
    EXPECT_TRUE(finde<QRadioButton>("RbAbweichZeitNo")->isChecked());
    EXPECT_TRUE(lehrerRec("Abel (7)").AbweichZeit);
    EXPECT_FALSE(lehrerRec("Bauer (3)").AbweichZeit);
}

TEST_F(Verdrahtung, AnwesenheitDerEltern)
{
    zeigeEltern("6b: Kurz", 2);
    auto* ab = finde<QCheckBox>("ElternZeitAbCb");
    auto* bis = finde<QCheckBox>("ElternZeitBisCb");

    ab->click();
    tippe("ElternZeitAbEdit", "16:30");
    bis->click();
    tippe("ElternZeitBisEdit", "18:15");
    const TEltern& kurz = elternRec("6b: Kurz");
    EXPECT_TRUE(kurz.NichtVor);
    EXPECT_TRUE(kurz.NichtNach);
    EXPECT_EQ(kurz.NichtVorZeit, Zeit::Kodiere(16, 30));
    EXPECT_EQ(kurz.NichtNachZeit, Zeit::Kodiere(18, 15));
    EXPECT_FALSE(elternRec("7c: Meier").NichtVor);
    EXPECT_TRUE(meldungen.empty());

    tippe("ElternZeitBisEdit", "abc");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(kurz.NichtNachZeit, Zeit::Kodiere(18, 15));

    finde<QLineEdit>("ElternZeitBisEdit")->setText(S("18:15"));
    ab->click();
    EXPECT_FALSE(kurz.NichtVor);
    EXPECT_TRUE(kurz.NichtNach);
    EXPECT_FALSE(finde<QLineEdit>("ElternZeitAbEdit")->isEnabled());

    haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S("7c: Meier")));
    EXPECT_FALSE(ab->isChecked());
    EXPECT_FALSE(bis->isChecked());
    haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S("6b: Kurz")));
    EXPECT_FALSE(ab->isChecked());
    EXPECT_TRUE(bis->isChecked());
    EXPECT_EQ(finde<QLineEdit>("ElternZeitBisEdit")->text(), S("18:15"));
}

TEST_F(Verdrahtung, GeschwisterfilterUndWortzahl)
{
    zeigeEltern("5a: Meier Anna", 1);
    TRelationsListe* liste = haupt().Eltern()->Geschwister()->Liste();
    auto* ausblenden = finde<QCheckBox>("GeschwisterAusblendenCb");
    auto* woerter = finde<QSpinBox>("GeschwisterVergleichsCountSb");
    ASSERT_TRUE(ausblenden->isChecked());
    ASSERT_EQ(woerter->value(), 1);
    EXPECT_EQ(liste->Eintraege(), QStringList{S("7c: Meier")}) << "the first word only";

    woerter->setValue(2);
    EXPECT_EQ(liste->Eintraege(), (QStringList{S("7c: Meier"), S("8d: Anna Lang")}));

    // A mark made in the list is stored before the filter shows other names.
    liste->item(1)->setSelected(true);
    woerter->setValue(1);
    EXPECT_EQ(elternRec("5a: Meier Anna").Geschwister.Liste(), QStringList{S("8d: Anna Lang")});
    EXPECT_EQ(elternRec("8d: Anna Lang").Geschwister.Liste(), QStringList{S("5a: Meier Anna")});
    EXPECT_EQ(liste->Eintraege(), (QStringList{S("7c: Meier"), S("8d: Anna Lang")})) << "a sibling stays listed";
    EXPECT_EQ(liste->Ausgewaehlt(), QStringList{S("8d: Anna Lang")});

    liste->item(0)->setSelected(true);
    ausblenden->click();
    EXPECT_EQ(liste->Eintraege(), (QStringList{S("6b: Kurz"), S("7c: Meier"), S("8d: Anna Lang"), S("9e: Brandt")}));
    EXPECT_EQ(elternRec("5a: Meier Anna").Geschwister.Liste(), (QStringList{S("7c: Meier"), S("8d: Anna Lang")}));
    EXPECT_EQ(liste->Ausgewaehlt(), (QStringList{S("7c: Meier"), S("8d: Anna Lang")}));
}

TEST_F(Verdrahtung, AblehnungsfilterZeigtNurGespraechssuchende)
{
    zeigeLehrer("Abel (7)", 2);
    TRelationsListe* liste = haupt().Lehrer()->Ablehnungen()->Liste();
    auto* filter = finde<QCheckBox>("AblehnFilterCb");
    ASSERT_TRUE(filter->isChecked());
    EXPECT_EQ(liste->Eintraege(), (QStringList{S("6b: Kurz"), S("9e: Brandt")}));

    liste->item(1)->setSelected(true);
    filter->click();
    EXPECT_EQ(lehrerRec("Abel (7)").Ablehnungen, QStringList{S("9e: Brandt")});
    EXPECT_EQ(liste->Eintraege(), tag().Eltern.Namen()) << "every entry without the filter";
    EXPECT_EQ(liste->Ausgewaehlt(), QStringList{S("9e: Brandt")});

    liste->item(0)->setSelected(true); // "5a: Meier Anna", who asks nobody
    filter->click();
    EXPECT_EQ(lehrerRec("Abel (7)").Ablehnungen, (QStringList{S("5a: Meier Anna"), S("9e: Brandt")}));
    EXPECT_EQ(liste->Eintraege(), (QStringList{S("6b: Kurz"), S("9e: Brandt")}));
    EXPECT_EQ(liste->Ausgewaehlt(), QStringList{S("9e: Brandt")});
    EXPECT_TRUE(lehrerRec("Bauer (3)").Ablehnungen.isEmpty());
}

} // namespace
