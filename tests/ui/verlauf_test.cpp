// Undo and redo from the main window, and the offer of a recovery copy at the start.

#include "datei/datei.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "seiten/lehrerseite.h"
#include "seiten/nameneingabe.h"
#include "gemeinsam/relationsliste.h"
#include "ui_hilfen.h"
#include "verlauf/verlauf.h"
#include "wiederherstellung/kopie.h"
#include "wiederherstellung/rettung.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class VerlaufImFenster : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Meier (101)", "Zander (5)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"5a: Kurz", "6b: Lang"})
            tag().ElternUebernehmen(S(e));
        tag().Verlauf()->NeuBeginnen();
        tag().AlsGespeichertMarkieren();
        haupt().DatenNeu();
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier)
    {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &haupt();
        QTest::keyClick(ziel, k, m);
    }
};

TEST_F(VerlaufImFenster, StrgZUndStrgYErreichenDenVerlaufMitNamenImTipp)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    auto* zurueck = finde<QToolButton>("RueckgaengigBtn");
    auto* vor = finde<QToolButton>("WiederholenBtn");
    EXPECT_FALSE(zurueck->isEnabled());
    EXPECT_FALSE(vor->isEnabled());
    EXPECT_EQ(zurueck->accessibleName(), S("Rückgängig"));
    EXPECT_EQ(vor->accessibleName(), S("Wiederholen"));

    haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S("Meier (101)")));
    finde<QPushButton>("LehrerDelBtn")->click();
    ASSERT_FALSE(tag().Lehrer.Enthaelt(S("Meier (101)")));
    EXPECT_TRUE(zurueck->isEnabled());
    EXPECT_EQ(haupt().RueckgaengigAktion()->text(), S("Rückgängig: Lehrer „Meier (101)“ löschen"));
    EXPECT_EQ(zurueck->toolTip(), S("Rückgängig: Lehrer „Meier (101)“ löschen (Strg+Z)"));

    // Deleting put the focus into the empty name field: its own undo has nothing, so the
    // key goes to the day.
    ASSERT_EQ(QApplication::focusWidget(), haupt().Lehrer()->Eingabe()->Feld());
    taste(Qt::Key_Z);
    EXPECT_TRUE(tag().Lehrer.Enthaelt(S("Meier (101)")));
    EXPECT_FALSE(tag().UngespeicherteAenderungen());
    EXPECT_EQ(finde<QListView>("LehrerBox")->model()->rowCount(), 3) << "the list shows the day anew";
    EXPECT_EQ(haupt().WiederholenAktion()->text(), S("Wiederholen: Lehrer „Meier (101)“ löschen"));

    taste(Qt::Key_Y);
    EXPECT_FALSE(tag().Lehrer.Enthaelt(S("Meier (101)")));
    EXPECT_EQ(finde<QListView>("LehrerBox")->model()->rowCount(), 2);
    taste(Qt::Key_Z);
    taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(tag().Lehrer.Enthaelt(S("Meier (101)"))) << "Ctrl+Shift+Z redoes, too";

    // The buttons do the same.
    zurueck->click();
    EXPECT_TRUE(tag().Lehrer.Enthaelt(S("Meier (101)")));
    vor->click();
    EXPECT_FALSE(tag().Lehrer.Enthaelt(S("Meier (101)")));
}

TEST_F(VerlaufImFenster, TextfeldBehaeltSeinEigenesRueckgaengig)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    tag().LehrerUebernehmen(S("Neu (1)"));
    QLineEdit* feld = haupt().Lehrer()->Eingabe()->Feld();
    feld->setFocus();
    const QString vorher = feld->text();
    QTest::keyClicks(feld, S("X"));
    ASSERT_NE(feld->text(), vorher);
    taste(Qt::Key_Z);
    EXPECT_TRUE(tag().Lehrer.Enthaelt(S("Neu (1)"))) << "the typing goes back first";
    EXPECT_EQ(feld->text(), vorher);
    taste(Qt::Key_Z);
    EXPECT_FALSE(tag().Lehrer.Enthaelt(S("Neu (1)")));
}

TEST_F(VerlaufImFenster, OffeneAuswahlWirdVorDemRueckgaengigGesichert)
{
    tag().ElternUebernehmen(S("9c: Vorher")); // something to undo: the action is enabled
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    if (!haupt().Eltern()->DetailsAn())
        finde<QPushButton>("SbElternDetails")->click();
    haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S("6b: Lang")));
    haupt().Eltern()->Tabs()->setCurrentIndex(0);
    QListWidgetItem* item = haupt().Eltern()->Sprechwuensche()->Liste()->item(1);
    item->setSelected(true);
    ASSERT_TRUE(tag().Eltern.Suche(S("6b: Lang"))->Sprechwuensche.isEmpty()) << "not yet stored";

    // The marked request is a step of its own: stored first, then taken back.
    haupt().RueckgaengigAktion()->trigger();
    EXPECT_TRUE(tag().Eltern.Suche(S("6b: Lang"))->Sprechwuensche.isEmpty());
    EXPECT_TRUE(tag().Eltern.Enthaelt(S("9c: Vorher"))) << "only the marked request went back";
    EXPECT_TRUE(haupt().Eltern()->Sprechwuensche()->Liste()->selectedItems().isEmpty()) << "the list shows the day";
    EXPECT_EQ(haupt().WiederholenAktion()->text(), S("Wiederholen: Sprechwünsche von „6b: Lang“ ändern"));
    haupt().WiederholenAktion()->trigger();
    EXPECT_EQ(tag().Eltern.Suche(S("6b: Lang"))->Sprechwuensche, QStringList{S("Meier (101)")});
    EXPECT_TRUE(haupt().Eltern()->Sprechwuensche()->Liste()->item(1)->isSelected());
}

TEST_F(VerlaufImFenster, BerechnungRueckgaengigZeigtWiederKeinePlaene)
{
    tag().Eltern.Suche(S("5a: Kurz"))->Sprechwuensche = {S("Abel (7)")};
    tag().Geaendert();
    berechneUndWeiter();
    ASSERT_TRUE(tag().PlaeneGueltig);
    EXPECT_EQ(haupt().RueckgaengigAktion()->text(), S("Rückgängig: Zeitpläne berechnen"));
    haupt().RueckgaengigAktion()->trigger();
    EXPECT_FALSE(tag().PlaeneGueltig);
    EXPECT_FALSE(finde<QWidget>("LabelNoPlans")->isHidden()) << "the page hides the plans again";
}

class Wiederherstellen : public UiTest {
protected:
    /// A copy left behind by a process that is gone (no process holds its lock).
    QString verwaisteKopie(const QString& tagesdatei)
    {
        TSprechtag alt;
        alt.LehrerUebernehmen(S("Gerettet (1)"));
        alt.ElternUebernehmen(S("9z: Zett"));
        const QString ordner = programm.Rettung()->Ordner();
        const QString pfad = QDir(ordner).filePath(Wiederherstellung::KopieName(tagesdatei, 999999999));
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Wiederherstellung::KopieBytes(alt, tagesdatei, QDateTime::currentDateTimeUtc()));
        f.close();
        return pfad;
    }
};

TEST_F(Wiederherstellen, WiederherstellenVerwerfenSpaeter)
{
    const QString tagesdatei = S("/home/lehrer/herbst.qvt");
    const QString kopie = verwaisteKopie(tagesdatei);

    antwort = Meldung::Antwort::Abbrechen; // "Später entscheiden"
    EXPECT_FALSE(programm.WiederherstellungAnbieten());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(
        S("Kalumo wurde nicht ordnungsgemäß beendet. Es gibt ungesicherte Änderungen an „herbst.qvt“ von ")));
    EXPECT_TRUE(QFile::exists(kopie)) << "later keeps the copy";
    EXPECT_TRUE(tag().Lehrer.IstLeer());

    antwort = Meldung::Antwort::Ja;
    EXPECT_TRUE(programm.WiederherstellungAnbieten());
    EXPECT_TRUE(tag().Lehrer.Enthaelt(S("Gerettet (1)")));
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    EXPECT_EQ(haupt().windowTitle(), S("Kalumo - herbst.qvt"));
    EXPECT_FALSE(QFile::exists(kopie)) << "the old copy gave way to this run's own";
    EXPECT_TRUE(QFile::exists(programm.Rettung()->Pfad()));
    EXPECT_FALSE(QFile::exists(tagesdatei)) << "nothing written to the user's file";

    const QString zweite = verwaisteKopie(S(""));
    antwort = Meldung::Antwort::Nein; // "Verwerfen"
    EXPECT_FALSE(programm.WiederherstellungAnbieten());
    EXPECT_FALSE(QFile::exists(zweite));
    programm.Rettung()->Beenden();
}

} // namespace
