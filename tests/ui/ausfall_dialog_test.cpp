// "Aus&fall …" on the "Zeitpläne" page: the dialog shows the re-planned result for the
// fields as they stand; "Überneh&men" changes exactly the families the result names,
// "&Abbrechen" and Escape leave no trace in the day.
#include "beispiel/beispieltag.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "dialoge/ausfalldialog.h"
#include "fenster/rechenfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "ui_hilfen.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class AusfallDialog : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TBeispielVorgaben v;
        v.eltern = 80;
        v.lehrer = 8;
        v.geschwisterProzent = 30;
        FuelleBeispieltag(tag(), v);
        haupt().ZeigeSeite(TForm2::Seite::Plaene);
        EXPECT_FALSE(finde<QPushButton>("AusfallBtn")->isEnabled()) << "no plans yet";
        berechneUndWeiter();
        ASSERT_TRUE(tag().PlaeneGueltig);
        EXPECT_TRUE(finde<QPushButton>("AusfallBtn")->isEnabled());
        // The teacher with the most talks.
        qsizetype meiste = -1;
        for (const auto& l : tag().Lehrer)
            if (l.record->Zeitplan.size() > meiste) {
                meiste = l.record->Zeitplan.size();
                lehrer = l.name;
            }
        // An hour after the start of the day.
        bis = Zeit::Anzeige(tag().Vorgaben.SprechStart + Zeit::Minuten(60));
    }

    QMap<QString, QStringList> elternPlaene()
    {
        QMap<QString, QStringList> p;
        for (const auto& e : tag().Eltern)
            p.insert(e.name, e.record->Zeitplan.Liste());
        return p;
    }

    /// The entries under "Eltern mit geändertem Zeitplan" in the result as shown.
    static QStringList GenannteFamilien(const QString& ergebnis)
    {
        QStringList namen;
        bool drin = false;
        for (const QString& z : ergebnis.split(u'\n')) {
            if (z.startsWith(QStringLiteral("Eltern mit geändertem Zeitplan")))
                drin = true;
            else if (drin && z.startsWith(QStringLiteral("  ")) && z.trimmed() != QStringLiteral("keine"))
                namen << z.trimmed();
        }
        return namen;
    }

    /// Chooses the teacher and "nur bis" in the open dialog, typing the time key by key.
    void waehleNurBis(QWidget* d, const QString& zeit)
    {
        auto* cb = finde<QComboBox>("AusfallLehrerCb", d);
        cb->setCurrentIndex(cb->findText(lehrer));
        finde<QRadioButton>("RbAusfallBis", d)->click();
        auto* feld = finde<QLineEdit>("AusfallZeitEdit", d);
        feld->clear();
        QTest::keyClicks(feld, zeit);
    }

    QByteArray gespeichert()
    {
        // Saving draws the key of the plan texts; the same seed gives the same bytes.
        const quint32 saat = tag().Zufall.Seed();
        const QByteArray bytes = Datei::SpeichereInBytes(tag(), Inhalt::Alles);
        tag().Zufall.SetSeed(saat);
        return bytes;
    }

    QString lehrer;
    QString bis;
};

} // namespace

TEST_F(AusfallDialog, UebernehmenAendertGenauDieGenanntenFamilien)
{
    const auto vorher = elternPlaene();
    tag().AlsGespeichertMarkieren();
    QStringList genannt;
    BeimNaechstenDialog([&](QWidget* d) {
        waehleNurBis(d, bis);
        const QString ergebnis = finde<QPlainTextEdit>("AusfallErgebnis", d)->toPlainText();
        EXPECT_TRUE(ergebnis.startsWith(lehrer + QStringLiteral(" bleibt nur bis ") + bis)) << ergebnis.toStdString();
        genannt = GenannteFamilien(ergebnis);
        auto* uebernehmen = finde<QPushButton>("AusfallUebernehmenBtn", d);
        EXPECT_TRUE(uebernehmen->isEnabled());
        uebernehmen->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    ASSERT_FALSE(genannt.isEmpty()) << "the busiest teacher has talks after " << bis.toStdString();

    QStringList geaendert;
    const auto nachher = elternPlaene();
    for (auto it = nachher.cbegin(); it != nachher.cend(); ++it)
        if (vorher.value(it.key()) != it.value())
            geaendert << it.key();
    EXPECT_EQ(geaendert, genannt);

    const TLehrer* l = tag().Lehrer.Suche(lehrer);
    EXPECT_TRUE(l->AbweichZeit);
    EXPECT_EQ(Zeit::Anzeige(l->EndZeit), bis);
    for (const QString& z : l->Zeitplan)
        EXPECT_LT(z.left(5), bis) << z.toStdString();
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    EXPECT_TRUE(tag().PlaeneGueltig);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(AusfallDialog, AbbrechenUndEscapeLassenKeineSpur)
{
    tag().AlsGespeichertMarkieren();
    const QByteArray vorher = gespeichert();
    const QString titel = haupt().windowTitle();
    for (const bool escape : {false, true}) {
        BeimNaechstenDialog([&](QWidget* d) {
            waehleNurBis(d, bis);
            EXPECT_TRUE(finde<QPushButton>("AusfallUebernehmenBtn", d)->isEnabled());
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                finde<QPushButton>("AusfallAbbrechenBtn", d)->click();
        });
        finde<QPushButton>("AusfallBtn")->click();
        EXPECT_EQ(gespeichert(), vorher) << (escape ? "Escape" : "Abbrechen");
        EXPECT_FALSE(tag().UngespeicherteAenderungen());
        EXPECT_EQ(haupt().windowTitle(), titel);
    }
    // A new opening starts afresh, not with the cancelled choice.
    BeimNaechstenDialog([&](QWidget* d) {
        for (const char* rb : {"RbAusfallGanz", "RbAusfallAb", "RbAusfallBis"})
            EXPECT_FALSE(finde<QRadioButton>(rb, d)->isChecked()) << rb;
        EXPECT_TRUE(finde<QLineEdit>("AusfallZeitEdit", d)->text().isEmpty());
        finde<QPushButton>("AusfallAbbrechenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(AusfallDialog, UngueltigeZeitSperrtUebernehmen)
{
    struct Fall {
        QString zeit;
        QString erwartet; // part of the text shown instead of a result
    };
    const std::vector<Fall> faelle = {
        {QString(), QStringLiteral("Bitte geben Sie im Feld „Uhrzeit“ an")},
        {QStringLiteral("25:00"), QStringLiteral("Uhrzeit: „25:00“ ist keine gültige Uhrzeit. Bitte geben Sie sie als "
                                                 "hh:mm, hh.mm oder hhmm ein, etwa 16:30, 16.30 oder 1630.")},
        {QStringLiteral("23:00"), QStringLiteral("endet ohnehin")},
    };
    const QByteArray vorher = gespeichert();
    BeimNaechstenDialog([&](QWidget* d) {
        auto* uebernehmen = finde<QPushButton>("AusfallUebernehmenBtn", d);
        for (const Fall& f : faelle) {
            waehleNurBis(d, f.zeit);
            EXPECT_TRUE(finde<QPlainTextEdit>("AusfallErgebnis", d)->toPlainText().contains(f.erwartet))
                << f.zeit.toStdString();
            EXPECT_FALSE(uebernehmen->isEnabled()) << f.zeit.toStdString();
            EXPECT_FALSE(finde<QPushButton>("AusfallCsvBtn", d)->isEnabled());
        }
        // Enter with nothing to apply applies nothing.
        QTest::keyClick(finde<QLineEdit>("AusfallZeitEdit", d), Qt::Key_Return);
        if (d->isVisible())
            finde<QPushButton>("AusfallAbbrechenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    EXPECT_EQ(gespeichert(), vorher);
}

TEST_F(AusfallDialog, AnruflisteAlsCsv)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("anrufe.csv"));
    Dateiwahl::SetAbfang([&](const Dateiwahl::TAnfrage& a) {
        EXPECT_TRUE(a.speichern);
        return csv;
    });
    int zeilen = 0;
    BeimNaechstenDialog([&](QWidget* d) {
        waehleNurBis(d, bis);
        // Moved and cancelled talks are the rows to phone about.
        const QString ergebnis = finde<QPlainTextEdit>("AusfallErgebnis", d)->toPlainText();
        bool zaehlen = false;
        for (const QString& z : ergebnis.split(u'\n')) {
            if (z.startsWith(QStringLiteral("Termine verlegt")) || z.startsWith(QStringLiteral("Termine abgesagt")))
                zaehlen = true;
            else if (!z.startsWith(QStringLiteral("  ")))
                zaehlen = false;
            else if (zaehlen && z.trimmed() != QStringLiteral("keine"))
                ++zeilen;
        }
        finde<QPushButton>("AusfallCsvBtn", d)->click();
        finde<QPushButton>("AusfallAbbrechenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    Dateiwahl::SetAbfang({});
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "Eintrag;Lehrkraft;Bisher;Neu;\xC3\x84nderung\r\n"));
    EXPECT_GT(zeilen, 0);
    EXPECT_EQ(bytes.count("\r\n"), zeilen + 1);
    EXPECT_TRUE(meldungen.empty());
}

// The dialog opens with no kind of drop-out chosen and without a default button; Enter,
// wherever the focus is, applies nothing. A whole-day drop-out asks once, naming the number
// of talks, and "Nein" (the default of that question) leaves every talk in place.
TEST_F(AusfallDialog, GanzerTagPerEnterLoeschtNichts)
{
    tag().AlsGespeichertMarkieren();
    const QByteArray vorher = gespeichert();
    ASSERT_FALSE(tag().FreieTermineAnzeigen);
    const qsizetype termine = tag().Lehrer.Suche(lehrer)->Zeitplan.size();
    ASSERT_GT(termine, 1);
    antwort = Meldung::Antwort::Nein;
    BeimNaechstenDialog([&](QWidget* d) {
        for (const char* rb : {"RbAusfallGanz", "RbAusfallAb", "RbAusfallBis"})
            EXPECT_FALSE(finde<QRadioButton>(rb, d)->isChecked()) << rb;
        for (QPushButton* k : d->findChildren<QPushButton*>())
            EXPECT_FALSE(k->isDefault()) << k->objectName().toStdString();
        auto* cb = finde<QComboBox>("AusfallLehrerCb", d);
        cb->setCurrentIndex(cb->findText(lehrer));
        EXPECT_FALSE(finde<QPushButton>("AusfallUebernehmenBtn", d)->isEnabled()) << "nothing chosen yet";
        finde<QRadioButton>("RbAusfallGanz", d)->click();
        auto* uebernehmen = finde<QPushButton>("AusfallUebernehmenBtn", d);
        EXPECT_TRUE(uebernehmen->isEnabled());
        for (QWidget* fokus : {static_cast<QWidget*>(finde<QRadioButton>("RbAusfallGanz", d)),
                               static_cast<QWidget*>(cb), static_cast<QWidget*>(uebernehmen)}) {
            fokus->setFocus();
            QTest::keyClick(fokus, Qt::Key_Return);
            QTest::keyClick(fokus, Qt::Key_Enter);
            EXPECT_TRUE(d->isVisible()) << fokus->objectName().toStdString();
        }
        EXPECT_TRUE(meldungen.empty()) << "Enter asks nothing either";
        // "Übernehmen" asks; "Nein" keeps the dialog open and the day as it was.
        uebernehmen->click();
        EXPECT_TRUE(d->isVisible());
        finde<QPushButton>("AusfallAbbrechenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::LoeschFrage);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Alle %1 Termine von %2 absagen?").arg(termine).arg(lehrer));
    EXPECT_EQ(gespeichert(), vorher);
    EXPECT_FALSE(tag().UngespeicherteAenderungen());

    // "Ja" cancels them.
    antwort = Meldung::Antwort::Ja;
    BeimNaechstenDialog([&](QWidget* d) {
        auto* cb = finde<QComboBox>("AusfallLehrerCb", d);
        cb->setCurrentIndex(cb->findText(lehrer));
        finde<QRadioButton>("RbAusfallGanz", d)->click();
        finde<QPushButton>("AusfallUebernehmenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    EXPECT_TRUE(tag().Lehrer.Suche(lehrer)->Zeitplan.isEmpty());
    EXPECT_EQ(meldungen.size(), 2u);
}

// A call list saved in the dialog is brought to the result that is applied, before the day
// changes; when it cannot be written, the day does not change and the message says so.
TEST_F(AusfallDialog, UebernehmenMitAnruflisteGanzOderGarNicht)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("anrufe.csv"));
    Dateiwahl::SetAbfang([&](const Dateiwahl::TAnfrage&) { return csv; });
    const QString spaeter = Zeit::Anzeige(tag().Vorgaben.SprechStart + Zeit::Minuten(90));
    const auto zeilenImErgebnis = [](const QString& ergebnis) {
        int n = 0;
        bool zaehlen = false;
        for (const QString& z : ergebnis.split(u'\n')) {
            if (z.startsWith(QStringLiteral("Termine verlegt")) || z.startsWith(QStringLiteral("Termine abgesagt")))
                zaehlen = true;
            else if (!z.startsWith(QStringLiteral("  ")))
                zaehlen = false;
            else if (zaehlen && z.trimmed() != QStringLiteral("keine"))
                ++n;
        }
        return n;
    };
    tag().AlsGespeichertMarkieren();
    const QByteArray vorher = gespeichert();
    int zeilenFrueh = 0, zeilenSpaet = 0;
    BeimNaechstenDialog([&](QWidget* d) {
        waehleNurBis(d, bis);
        zeilenFrueh = zeilenImErgebnis(finde<QPlainTextEdit>("AusfallErgebnis", d)->toPlainText());
        finde<QPushButton>("AusfallCsvBtn", d)->click();
        ASSERT_TRUE(QFile::exists(csv));
        // Another result, and the list's file has become a folder.
        waehleNurBis(d, spaeter);
        zeilenSpaet = zeilenImErgebnis(finde<QPlainTextEdit>("AusfallErgebnis", d)->toPlainText());
        ASSERT_TRUE(QFile::remove(csv));
        ASSERT_TRUE(QDir().mkdir(csv));
        finde<QPushButton>("AusfallUebernehmenBtn", d)->click();
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(fehlermeldungen().size(), 1u);
        EXPECT_TRUE(fehlermeldungen()[0].startsWith(QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.").arg(csv)))
            << fehlermeldungen()[0].toStdString();
        EXPECT_TRUE(fehlermeldungen()[0].endsWith(QStringLiteral("\rDer Ausfall ist nicht übernommen; der Tag ist unverändert.")))
            << fehlermeldungen()[0].toStdString();
        EXPECT_EQ(gespeichert(), vorher);
        // Once the file can be written, "Übernehmen" writes it and applies.
        ASSERT_TRUE(QDir().rmdir(csv));
        finde<QPushButton>("AusfallUebernehmenBtn", d)->click();
    });
    finde<QPushButton>("AusfallBtn")->click();
    Dateiwahl::SetAbfang({});
    ASSERT_NE(zeilenFrueh, zeilenSpaet) << "the two results must differ for this test to show anything";
    EXPECT_EQ(Zeit::Anzeige(tag().Lehrer.Suche(lehrer)->EndZeit), spaeter);
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("\r\n"), zeilenSpaet + 1) << "the list of what was applied";
    EXPECT_EQ(fehlermeldungen().size(), 1u);
}
