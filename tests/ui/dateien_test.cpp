#include "aktionen/dateiaktionen.h"
#include "datei/datei.h"
#include "dateisystem/schreiben.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "seiten/vorgabenseite.h"
#include "dialoge/speicherdialog.h"
#include "gemeinsam/dateiwahl.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cerrno>
#include <deque>

namespace {

class DateiUi : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(ordner.isValid());
        Dateiwahl::SetAbfang([this](const Dateiwahl::TAnfrage& a) {
            gewaehlt.push_back({a.speichern, a.ordner, a.vorschlag});
            if (!folge.empty()) {
                const QString d = folge.front();
                folge.pop_front();
                return d;
            }
            return naechsteDatei;
        });
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }

    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }

    struct Wahl {
        bool speichern;
        QString ordner;
        QString vorschlag;
    };
    QTemporaryDir ordner;
    QString naechsteDatei;
    /// Answers of the file dialog before naechsteDatei, in turn.
    std::deque<QString> folge;
    std::vector<Wahl> gewaehlt;
};

TEST_F(DateiUi, SpeicherdialogHaeltAbhaengigeKaestchenAngekreuzt)
{
    TSaveForm* dlg = programm.Hauptfenster()->findChild<TSaveForm*>();
    ASSERT_NE(dlg, nullptr);
    struct Fall {
        const char* abwaehlen;
        int erwartet; // with Plaene disabled
    };
    const Fall faelle[] = {
        {"Lehrer", 63},             // Vorgaben, Sprech and Ungewuenscht still need it
        {"Eltern", 63},             // Sprech and Ungewuenscht still need it
        {"Preview", 63 - 16},       // nobody needs it
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.abwaehlen);
        int ergebnis = -2;
        BeimNaechstenDialog([&](QWidget* d) {
            for (QCheckBox* b : d->findChildren<QCheckBox*>())
                if (b->isEnabled() && !b->isChecked())
                    b->click();
            d->findChild<QCheckBox*>(QString::fromUtf8(f.abwaehlen))->click();
            EXPECT_FALSE(d->findChild<QCheckBox*>(QStringLiteral("Plaene"))->isEnabled());
            d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        ergebnis = dlg->Frage(false);
        EXPECT_EQ(ergebnis, f.erwartet);
    }

    // Only "Vorgaben" left checked: "Lehrer" comes with it.
    BeimNaechstenDialog([&](QWidget* d) {
        for (const char* n : {"Sprech", "Ungewuenscht", "Preview", "Eltern", "Lehrer"})
            if (auto* b = d->findChild<QCheckBox*>(QString::fromUtf8(n)); b->isChecked())
                b->click();
        EXPECT_TRUE(d->findChild<QCheckBox*>(QStringLiteral("Lehrer"))->isChecked());
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    EXPECT_EQ(dlg->Frage(false), 3);
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
    EXPECT_EQ(dlg->Frage(false), -1);
}

TEST_F(DateiUi, SpeichernUndLadenUeberDieKnoepfe)
{
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Abel (7)")).ok());
    ASSERT_TRUE(tag().ElternUebernehmen(QStringLiteral("5a: Weber")).ok());
    tag().Eltern.Record(0).Sprechwuensche = {QStringLiteral("Abel (7)")};
    naechsteDatei = pfad("herbst.qvt");
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    finde<QPushButton>("SpeichernBtn", haupt().Lehrer())->click();
    ASSERT_TRUE(QFile::exists(naechsteDatei));
    EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo - herbst.qvt"));
    EXPECT_FALSE(tag().UngespeicherteAenderungen());
    EXPECT_TRUE(meldungen.empty());

    // Loading into the filled day asks; "Abbruch" leaves it as it is.
    tag().LehrerUebernehmen(QStringLiteral("Zander (1)"));
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
    finde<QPushButton>("LadenBtn", haupt().Lehrer())->click();
    EXPECT_EQ(tag().Lehrer.Anzahl(), 2);
    ASSERT_GE(gewaehlt.size(), 2u);
    EXPECT_EQ(gewaehlt.back().ordner, ordner.path()) << "the load dialog starts in the folder of the last file";

    // "Ersetzen" brings back the saved day.
    BeimNaechstenDialog([](QWidget* d) {
        d->findChild<QRadioButton*>(QStringLiteral("Ersetzen"))->click();
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    finde<QPushButton>("LadenBtn", haupt().Eltern())->click();
    EXPECT_EQ(tag().Lehrer.Namen(), QStringList{QStringLiteral("Abel (7)")});
    EXPECT_EQ(finde<QListView>("LehrerBox")->model()->rowCount(), 1);
    EXPECT_EQ(tag().Eltern.Record(0).Sprechwuensche, QStringList{QStringLiteral("Abel (7)")});
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(DateiUi, FremdeDateiWirdMitMeldungAbgewiesen)
{
    naechsteDatei = pfad("kaputt.qvt");
    QFile f(naechsteDatei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Das ist keine Datei von Kalumo");
    f.close();
    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    finde<QPushButton>("LadenBtn", haupt().Vorgaben())->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Die Datei „%1“ ist keine QVT-Datei!\rEs können keine Daten geladen werden.")
                                     .arg(QDir::toNativeSeparators(naechsteDatei)));
    EXPECT_EQ(tag().Lehrer.Anzahl(), 1);
}

TEST_F(DateiUi, BeendenFragtNurNachAenderungen)
{
    EXPECT_TRUE(programm.Dateien()->DarfBeenden());
    EXPECT_TRUE(meldungen.empty()) << "nothing entered, nothing asked";

    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    antwort = Meldung::Antwort::Abbrechen;
    EXPECT_FALSE(programm.Dateien()->DarfBeenden());
    antwort = Meldung::Antwort::Nein;
    EXPECT_TRUE(programm.Dateien()->DarfBeenden());
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::FrageMitAbbruch);

    // "Ja" with a cancelled save keeps the program open.
    antwort = Meldung::Antwort::Ja;
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
    EXPECT_FALSE(programm.Dateien()->DarfBeenden());

    naechsteDatei = pfad("ende.qvt");
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    EXPECT_TRUE(programm.Dateien()->DarfBeenden());
    EXPECT_TRUE(QFile::exists(naechsteDatei));
}

TEST_F(DateiUi, MisslungenesSpeichernMeldetUndBehaeltDenTagAlsUngespeichert)
{
    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    QFile blocker(pfad("datei"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    naechsteDatei = pfad("datei/unmoeglich.qvt"); // a folder that is a regular file
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    EXPECT_FALSE(programm.Dateien()->SaveIt());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
}

int ScheiternderFlush(int)
{
    errno = EIO;
    return -1;
}

// A stick pulled out or a network share gone: the flush fails after every byte was
// written. That is a failed save, not a saved day.
TEST_F(DateiUi, ScheiternderFlushIstKeinGespeicherterTag)
{
    naechsteDatei = pfad("herbst.qvt");
    QFile alt(naechsteDatei);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alter Inhalt");
    alt.close();
    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    const auto vorher = Dateisystem::Pruefhilfe::SetzeFlush(&ScheiternderFlush);
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    const bool gespeichert = programm.Dateien()->SaveIt();
    Dateisystem::Pruefhilfe::SetzeFlush(vorher);
    EXPECT_FALSE(gespeichert);
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::LoeschFrage) << "another day's file is replaced only with consent";
    meldungen.erase(meldungen.begin());
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
    EXPECT_TRUE(meldungen[0].text.startsWith(
        QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\rDie Daten konnten nicht sicher auf den Datenträger "
                       "gebracht werden. Der Datenträger meldet einen Ein-/Ausgabefehler")
            .arg(QDir::toNativeSeparators(naechsteDatei))))
        << meldungen[0].text.toStdString();
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), "alter Inhalt");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("herbst.qvt")});
}

// Neither a cancelled nor a failed load may make another file the day's file: the next save
// would replace it without a question.
TEST_F(DateiUi, AbgebrochenesOderMisslungenesLadenLaesstTitelOrdnerUndVorschlag)
{
    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    naechsteDatei = pfad("herbst.qvt");
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    ASSERT_TRUE(programm.Dateien()->SaveIt());
    ASSERT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo - herbst.qvt"));

    QDir(ordner.path()).mkdir(QStringLiteral("anders"));
    TSprechtag fremd;
    fremd.LehrerUebernehmen(QStringLiteral("Zorn (1)"));
    ASSERT_TRUE(Datei::Speichern(fremd, pfad("anders/fremd.qvt"), Inhalt::Lehrer).ok());
    QFile kaputt(pfad("anders/kaputt.qvt"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("keine Datei von Kalumo");
    kaputt.close();

    struct Fall {
        const char* name;
        const char* datei;
        bool frage; // the load question opens and is cancelled
    };
    const Fall faelle[] = {
        {"Ladefrage abgebrochen", "anders/fremd.qvt", true},
        {"keine QVT-Datei", "anders/kaputt.qvt", false},
        {"Datei verschwunden", "anders/weg.qvt", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        naechsteDatei = pfad(f.datei);
        if (f.frage)
            BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
        finde<QPushButton>("LadenBtn", haupt().Vorgaben())->click();
        EXPECT_EQ(tag().Lehrer.Namen(), QStringList{QStringLiteral("Abel (7)")});
        EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo - herbst.qvt"));
        EXPECT_EQ(programm.Dateien()->Ordner(), ordner.path());

        // The next save proposes the day's own file and replaces it without a question.
        meldungen.clear();
        naechsteDatei = pfad("herbst.qvt");
        BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
        EXPECT_TRUE(programm.Dateien()->SaveIt());
        EXPECT_EQ(gewaehlt.back().vorschlag, pfad("herbst.qvt"));
        EXPECT_EQ(gewaehlt.back().ordner, ordner.path());
        EXPECT_TRUE(meldungen.empty());
    }
}

TEST_F(DateiUi, FremdeVorhandeneDateiWirdNurNachFrageErsetzt)
{
    tag().LehrerUebernehmen(QStringLiteral("Abel (7)"));
    const QString fremd = pfad("fremd.qvt");
    QFile f(fremd);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("anderer Tag");
    f.close();
    const auto inhalt = [&] {
        QFile d(fremd);
        return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
    };
    const QString frage =
        QStringLiteral("Die Datei „%1“ existiert bereits. Möchten Sie sie ersetzen?").arg(QDir::toNativeSeparators(fremd));

    // "Nein" opens the file dialog again on that name; cancelling it saves nothing.
    antwort = Meldung::Antwort::Nein;
    folge = {fremd};
    naechsteDatei.clear();
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    EXPECT_FALSE(programm.Dateien()->SaveIt());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::LoeschFrage) << "\"Nein\" is the default button";
    EXPECT_EQ(meldungen[0].text, frage);
    ASSERT_EQ(gewaehlt.size(), 2u);
    EXPECT_EQ(gewaehlt[1].vorschlag, fremd);
    EXPECT_EQ(inhalt(), QByteArray("anderer Tag"));
    EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo"));

    // "Ja" replaces it, and from then on it is the day's own file: no more question.
    antwort = Meldung::Antwort::Ja;
    meldungen.clear();
    naechsteDatei = fremd;
    for (int i = 0; i < 2; ++i) {
        BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
        EXPECT_TRUE(programm.Dateien()->SaveIt());
    }
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(inhalt().startsWith("QVT file rev 9  "));
    EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo - fremd.qvt"));

    // A day loaded from a file saves over it silently, also under another spelling of the path.
    meldungen.clear();
    naechsteDatei = fremd;
    BeimNaechstenDialog([](QWidget* d) {
        d->findChild<QRadioButton*>(QStringLiteral("Ersetzen"))->click();
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    finde<QPushButton>("LadenBtn", haupt().Vorgaben())->click();
    naechsteDatei = ordner.path() + QStringLiteral("/./fremd.qvt");
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    EXPECT_TRUE(programm.Dateien()->SaveIt());
    EXPECT_TRUE(meldungen.empty());
}

} // namespace
