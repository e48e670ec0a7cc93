// The school-data wizard reads and plans on a worker thread: progress reaches the window
// while the work runs, "Abbrechen" keeps the step and the day as they were, and a run
// left to finish gives the import the file holds.
#include "aktionen/importaktionen.h"
#include "dialoge/schuldaten/arbeit.h"
#include "dialoge/schuldaten/assistent.h"
#include "gemeinsam/dateiwahl.h"
#include "seiten/elternseite.h"
#include "ui_hilfen.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

constexpr int Schueler = 20000;

class SchuldatenHintergrund : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(ordner.isValid());
        // Every pupil of a large school, each with a name of its own.
        QByteArray text = "Klasse;Nachname;Vorname\r\n";
        for (int i = 0; i < Schueler; ++i)
            text += QStringLiteral("%1%2;Kern%3;Lena\r\n").arg(5 + i % 6).arg(QChar(u'a' + i % 4)).arg(i).toUtf8();
        pfad = ordner.filePath(QStringLiteral("schueler_gross.csv"));
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        Dateiwahl::SetAbfang([this](const Dateiwahl::TAnfrage&) { return pfad; });
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }

    void imAssistenten(const std::function<void(TSchuldatenAssistent*)>& schritte)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        BeimNaechstenDialog([schritte](QWidget* d) {
            auto* a = qobject_cast<TSchuldatenAssistent*>(d);
            ASSERT_NE(a, nullptr);
            schritte(a);
            if (a->isVisible())
                a->reject();
        });
        finde<QPushButton>("SchuldatenBtn", haupt().Eltern())->click();
    }

    /// At the first progress report of the next run, "Abbrechen" in the progress window.
    static void abbrechenBeimErstenFortschritt(TSchuldatenAssistent* a, QList<int>& gesehen)
    {
        auto verbindung = std::make_shared<QMetaObject::Connection>();
        *verbindung = QObject::connect(a->Arbeit(), &TSchuldatenArbeit::fortschritt, a, [a, &gesehen, verbindung](int p) {
            gesehen << p;
            QObject::disconnect(*verbindung);
            auto* fenster = a->findChild<QProgressDialog*>(QStringLiteral("SchuldatenFortschritt"));
            ASSERT_NE(fenster, nullptr);
            EXPECT_TRUE(fenster->isVisible());
            fenster->findChild<QPushButton*>(QStringLiteral("SchuldatenFortschrittAbbrechen"))->click();
        });
    }

    QTemporaryDir ordner;
    QString pfad;
};

TEST_F(SchuldatenHintergrund, AbbrechenBeimLesenUndPlanenLaesstSchrittUndTagUnveraendert)
{
    tag().ElternUebernehmen(QStringLiteral("7a: Vorher, Paul"));
    const qint64 stand = tag().Stand();
    imAssistenten([&](TSchuldatenAssistent* a) {
        finde<QPushButton>("SchuldatenHinzuBtn", a)->click();
        QList<int> gesehen;
        abbrechenBeimErstenFortschritt(a, gesehen);
        a->next();
        EXPECT_EQ(gesehen, QList<int>{0});
        EXPECT_EQ(a->currentId(), TSchuldatenAssistent::DateienId) << "cancelled reading stays with the files";
        EXPECT_FALSE(a->Arbeit()->Laeuft());

        // Read to the end; reading again without a header, cancelled, keeps the reading
        // and the choice as they were; let through, the header becomes a record.
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        auto* kopf = finde<QComboBox>("SchuldatenKopfCb", a);
        auto* tabelle = finde<QTableWidget>("SchuldatenTabelle", a);
        EXPECT_EQ(tabelle->item(0, 0)->text(), QStringLiteral("5a"));
        gesehen.clear();
        abbrechenBeimErstenFortschritt(a, gesehen);
        kopf->setCurrentIndex(2);
        emit kopf->activated(2);
        EXPECT_EQ(gesehen, QList<int>{0});
        EXPECT_EQ(kopf->currentIndex(), 0);
        EXPECT_EQ(tabelle->item(0, 0)->text(), QStringLiteral("5a"));
        kopf->setCurrentIndex(2);
        emit kopf->activated(2);
        EXPECT_EQ(kopf->currentIndex(), 2);
        EXPECT_EQ(tabelle->item(0, 0)->text(), QStringLiteral("Klasse"));
        kopf->setCurrentIndex(0);
        emit kopf->activated(0);
        EXPECT_EQ(tabelle->item(0, 0)->text(), QStringLiteral("5a"));

        // Then cancel the planning: the preview stays.
        gesehen.clear();
        abbrechenBeimErstenFortschritt(a, gesehen);
        a->next();
        EXPECT_EQ(gesehen, QList<int>{0});
        EXPECT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        a->button(QWizard::CancelButton)->click();
    });
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(tag().Eltern.Namen(), QStringList{"7a: Vorher, Paul"});
    EXPECT_EQ(tag().Stand(), stand);
}

TEST_F(SchuldatenHintergrund, ZuEndeGelesenGiltDieGanzeDatei)
{
    imAssistenten([&](TSchuldatenAssistent* a) {
        finde<QPushButton>("SchuldatenHinzuBtn", a)->click();
        QList<int> gesehen;
        QObject::connect(a->Arbeit(), &TSchuldatenArbeit::fortschritt, a, [&gesehen](int p) { gesehen << p; });
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        ASSERT_FALSE(gesehen.isEmpty());
        EXPECT_EQ(gesehen.first(), 0);
        EXPECT_TRUE(std::is_sorted(gesehen.cbegin(), gesehen.cend()));
        EXPECT_LE(gesehen.last(), 1000);
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::ErgebnisId);
        EXPECT_TRUE(finde<QLabel>("SchuldatenZusammenfassung", a)
                        ->text()
                        .startsWith(QStringLiteral("Neu: 0 Lehrer, 20000 Eltern, 0 Sprechwünsche.")))
            << finde<QLabel>("SchuldatenZusammenfassung", a)->text().toStdString();
        a->button(QWizard::FinishButton)->click();
    });
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(tag().Eltern.Anzahl(), Schueler);
    for (const char* name : {"5a: Kern0, Lena", "6b: Kern1, Lena", "10b: Kern5, Lena", "6d: Kern19999, Lena"})
        EXPECT_TRUE(tag().Eltern.Enthaelt(QString::fromUtf8(name))) << name;
}

} // namespace
