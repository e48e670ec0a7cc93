// "Termine exportieren …" on the "Zeitpläne" page: the dialog writes the hand-built day's
// files, remembers date and folder through the settings file, and a cancelled or refused
// export leaves nothing behind.
#include "aktionen/einstellungen.h"
#include "datei/datei.h"
#include "dialoge/terminexport.h"
#include "fenster/startfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "seiten/plaeneseite.h"
#include "ui_hilfen.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
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
    QDate datum;
    QString ordner;
    const char* knopf = "OkBtn";
};
struct TGezeigt {
    QDate datum;
    QString ordner;
};

void Bediene(const TEingabe& e, TGezeigt* gezeigt)
{
    BeimNaechstenDialog([e, gezeigt](QWidget* d) {
        auto* datum = d->findChild<QDateEdit*>(QStringLiteral("TermineDatumEdit"));
        auto* ordner = d->findChild<QLineEdit*>(QStringLiteral("TermineOrdnerEdit"));
        gezeigt->datum = datum->date();
        gezeigt->ordner = ordner->text();
        datum->setDate(e.datum);
        ordner->setText(e.ordner);
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
    {
        TProgramm programm;
        programm.FensterErzeugen();
        LadeTag(programm.Tag());
        programm.Hauptfenster()->show();
        programm.Hauptfenster()->ZeigeSeite(TForm2::Seite::Plaene);
        QPushButton* knopf = programm.Hauptfenster()->Plaene()->TermineBtn();
        ASSERT_TRUE(knopf->isVisibleTo(programm.Hauptfenster()));
        Bediene({QDate(2027, 3, 4), ziel}, &gezeigt);
        knopf->click();
        EXPECT_FALSE(DialogAktionOffen());
        emit programm.StartFenster()->beendet();
    }
    qputenv("KALUMO_INI", vorher);
    Meldung::SetAbfang({});

    EXPECT_EQ(gezeigt.datum, QDate(2026, 11, 19));
    EXPECT_EQ(gezeigt.ordner, QDir::toNativeSeparators(dir.filePath(QStringLiteral("alt"))));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("5 Termine nach „"))) << meldungen[0].toStdString();
    EXPECT_EQ(Lies(ziel + QStringLiteral("/Termine.csv")), Lies(QStringLiteral(KALUMO_TESTDATEN "/termine_erwartet.csv")));
    EXPECT_TRUE(Lies(ziel + QStringLiteral("/Kalender/7b Weber, Anna.ics"))
                    .contains("DTSTART;TZID=Europe/Berlin:20270304T150000\r\n"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Datum=2027-03-04"))) << text.toStdString();
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
        {{QDate(2027, 1, 1), ziel, "AbbruchBtn"}, nullptr},
        {{QDate(2027, 1, 1), QStringLiteral("  "), "OkBtn"}, "Bitte geben Sie einen Zielordner an."},
        {{QDate(2027, 1, 1), QStringLiteral("relativ/ordner"), "OkBtn"},
         "Bitte geben Sie den Zielordner mit vollständigem Pfad an"},
        {{QDate(2027, 1, 1), datei.fileName(), "OkBtn"}, "datei“ ist kein Ordner."},
    };
    for (const auto& f : faelle) {
        meldungen.clear();
        TGezeigt gezeigt;
        Bediene(f.eingabe, &gezeigt);
        haupt().Plaene()->TermineBtn()->click();
        // Every opening shows what was remembered, not what the last attempt typed.
        EXPECT_EQ(gezeigt.datum, QDate(2026, 11, 19)) << f.eingabe.ordner.toStdString();
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

} // namespace
