#include "aktionen/dateiaktionen.h"
#include "aktionen/einstellungen.h"
#include "aktionen/importaktionen.h"
#include "fenster/startfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QFile>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

namespace {

class ImportUi : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(ordner.isValid());
        Dateiwahl::SetAbfang([this](const Dateiwahl::TAnfrage& a) {
            anfragen.push_back(a);
            return datei;
        });
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }
    void schreibe(const char* name, const QByteArray& inhalt)
    {
        datei = ordner.filePath(QString::fromUtf8(name));
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }

    QTemporaryDir ordner;
    QString datei;
    std::vector<Dateiwahl::TAnfrage> anfragen;
};

TEST_F(ImportUi, LehrernamenAusTextdateiNurNachJa)
{
    schreibe("lehrer.txt", "Abel (7)\r\n\r\nBauer\t(3)\nabel (7)\n");
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    antwort = Meldung::Antwort::Nein;
    finde<QPushButton>("ImportBtn", haupt().Lehrer())->click();
    EXPECT_TRUE(anfragen.empty());
    EXPECT_TRUE(tag().Lehrer.IstLeer());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Wollen Sie Lehrernamen aus einer Textdatei importieren?"));

    antwort = Meldung::Antwort::Ja;
    finde<QPushButton>("ImportBtn", haupt().Lehrer())->click();
    EXPECT_EQ(tag().Lehrer.Namen(), (QStringList{QStringLiteral("Abel (7)"), QStringLiteral("Bauer (3)")}));
    EXPECT_EQ(finde<QListView>("LehrerBox")->model()->rowCount(), 2);
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].filter, QStringLiteral("Textdateien (*.txt)"));

    // The next dialog starts in the folder of the file just read.
    finde<QPushButton>("ImportBtn", haupt().Lehrer())->click();
    EXPECT_EQ(anfragen.back().ordner, ordner.path());
    EXPECT_EQ(tag().Lehrer.Anzahl(), 2);
}

TEST_F(ImportUi, ElternMitFremdenZeichenWerdenGemeldet)
{
    schreibe("eltern.txt", QStringLiteral("5a: Weber\n6b: Yıldız\n").toUtf8());
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    finde<QPushButton>("ImportBtn", haupt().Eltern())->click();
    EXPECT_EQ(tag().Eltern.Namen(), QStringList{QStringLiteral("5a: Weber")});
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Wollen Sie Elternnamen aus einer Textdatei importieren?"));
    EXPECT_TRUE(meldungen[1].text.contains(QStringLiteral("Yıldız")));
}

TEST_F(ImportUi, UnlesbareDateiFuegtNichtsHinzu)
{
    datei = ordner.filePath(QStringLiteral("gibt-es-nicht.txt"));
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    finde<QPushButton>("ImportBtn", haupt().Lehrer())->click();
    EXPECT_TRUE(tag().Lehrer.IstLeer());
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].art, Meldung::Art::Fehler);
    EXPECT_FALSE(tag().UngespeicherteAenderungen());
}

TEST_F(ImportUi, BriefAufDerVorschauseite)
{
    schreibe("brief.txt", "Liebe Kollegen,\r\nbitte bis Freitag.\r\n");
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    QPushButton* knopf = nullptr;
    for (TSeite* s : haupt().Seiten())
        if (s->Leiste()->ImportBtn() && haupt().AktiveSeite() == TForm2::Seite::Vorschau && s->isVisible())
            knopf = s->Leiste()->ImportBtn();
    ASSERT_NE(knopf, nullptr);
    knopf->click();
    EXPECT_EQ(meldungen.at(0).text, QStringLiteral("Wollen Sie einen Einleitungstext aus einer Textdatei importieren?"));
    EXPECT_EQ(tag().Vorschau.Brief, (QStringList{QStringLiteral("Liebe Kollegen,"), QStringLiteral("bitte bis Freitag.")}));
    EXPECT_EQ(finde<QPlainTextEdit>("PreviewMemo")->toPlainText(), QStringLiteral("Liebe Kollegen,\nbitte bis Freitag."));
}

TEST_F(ImportUi, EinstellungsdateiWirdGelesenUndGeschrieben)
{
    const QString ini = ordner.filePath(QStringLiteral("qvt.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[screenpos]\nwidth=0x2BC\nHEIGHT=quatsch\nleft=10\ntop=20\n[Columns]\nElternBox=5\nSprechwunschBox=2\n"
            "[Path]\nQvtFiles=/daten/schule/\nOpenTXT=/daten/texte/\n");
    f.close();
    TEinstellungen* e = programm.Einstellungen();
    e->SetPfad(ini);
    const int hoehe = haupt().height();
    e->LoadIni();
    EXPECT_EQ(haupt().width(), 700);
    EXPECT_EQ(haupt().height(), hoehe) << "a height that is no number keeps the current one";
    EXPECT_EQ(haupt().Eltern()->ElternSpalten(), 5);
    EXPECT_EQ(haupt().Eltern()->RelationsSpalten(), 2);
    EXPECT_EQ(programm.Dateien()->Ordner(), QStringLiteral("/daten/schule/"));
    EXPECT_EQ(programm.Import()->Ordner(), QStringLiteral("/daten/texte/"));

    programm.Dateien()->SetOrdner(QStringLiteral("/neu/ordner"));
    EXPECT_TRUE(e->SaveIni().isEmpty());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("QvtFiles=/neu/ordner"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ElternBox=5"))) << text.toStdString();
}

TEST_F(ImportUi, VerweigertesSchreibenDerEinstellungenWirdGemeldet)
{
    QFile blocker(ordner.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString ini = ordner.filePath(QStringLiteral("datei/qvt.ini"));
    programm.Einstellungen()->SetPfad(ini);
    EXPECT_EQ(programm.Einstellungen()->SaveIni(),
              QStringLiteral("Die Einstellungsdatei „%1“ kann nicht geschrieben werden.\rDer Ordner „%2“ kann nicht "
                             "angelegt werden.")
                  .arg(ini, blocker.fileName()));
}

} // namespace

namespace {

TEST(Einstellungsdatei, SchulnameUndVorschauordnerKommenAusDerDateiUndGehenZurueck)
{
    QTemporaryDir ordner;
    const QString ini = ordner.filePath(QStringLiteral("qvt.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Druck]\nSchulName=Gesamtschule Am Mühlbach\n[Path]\nSavePreview=/listen/\n").toUtf8());
    f.close();
    const QByteArray vorher = qgetenv("KALUMO_INI");
    qputenv("KALUMO_INI", ini.toUtf8());
    {
        TProgramm programm;
        programm.FensterErzeugen();
        EXPECT_EQ(programm.SchulName(), QStringLiteral("Gesamtschule Am Mühlbach"));
        EXPECT_EQ(programm.VorschauOrdner(), QStringLiteral("/listen/"));
        programm.SetSchulName(QStringLiteral("Realschule Birkenweg"));
        emit programm.StartFenster()->beendet();
    }
    qputenv("KALUMO_INI", vorher);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains(QStringLiteral("SchulName=Realschule Birkenweg")));
}

} // namespace

namespace {

TEST(Einstellungsdatei, FensterlageEinesGroesserenBildschirmsWirdEingepasst)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    ASSERT_NE(bildschirm, nullptr);
    const QRect verfuegbar = bildschirm->availableGeometry();
    struct Fall {
        QRect gespeichert;
        bool unveraendert;
    };
    // Written on a screen of 1920 x 1200, and a placement that fits as it is.
    const Fall faelle[] = {{QRect(verfuegbar.right() - 100, verfuegbar.bottom() - 50, 1400, 1000), false},
                           {QRect(verfuegbar.left() + 20, verfuegbar.top() + 40, 640, 480), true}};
    for (const Fall& f : faelle) {
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(QStringLiteral("qvt.ini"));
        QFile datei(ini);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QStringLiteral("[ScreenPos]\nWindowState=0\nHeight=%1\nWidth=%2\nLeft=%3\nTop=%4\n")
                        .arg(f.gespeichert.height())
                        .arg(f.gespeichert.width())
                        .arg(f.gespeichert.left())
                        .arg(f.gespeichert.top())
                        .toUtf8());
        datei.close();
        const QByteArray vorher = qgetenv("KALUMO_INI");
        qputenv("KALUMO_INI", ini.toUtf8());
        TProgramm programm;
        programm.FensterErzeugen();
        qputenv("KALUMO_INI", vorher);
        const QRect lage(programm.Hauptfenster()->pos(), programm.Hauptfenster()->size());
        if (f.unveraendert) {
            EXPECT_EQ(lage, f.gespeichert);
        } else {
            EXPECT_TRUE(verfuegbar.contains(lage)) << lage.x() << "," << lage.y() << " " << lage.width() << "x" << lage.height();
            EXPECT_GE(lage.width(), programm.Hauptfenster()->minimumWidth());
        }
    }
}

TEST(Einstellungsdatei, GespeicherterFensterzustandGiltBeimStart)
{
    // WindowState 2 is "maximised", 0 "normal", as the file has always written them.
    for (const int zustand : {2, 0}) {
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(QStringLiteral("qvt.ini"));
        QFile datei(ini);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QStringLiteral("[ScreenPos]\nWindowState=%1\nHeight=600\nWidth=800\nLeft=10\nTop=10\n")
                        .arg(zustand)
                        .toUtf8());
        datei.close();
        const QByteArray vorher = qgetenv("KALUMO_INI");
        qputenv("KALUMO_INI", ini.toUtf8());
        TProgramm programm;
        programm.FensterErzeugen();
        qputenv("KALUMO_INI", vorher);
        EXPECT_EQ(programm.Hauptfenster()->windowState().testFlag(Qt::WindowMaximized), zustand == 2) << zustand;
    }
}

} // namespace
