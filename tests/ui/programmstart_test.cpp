#include "fenster/startfenster.h"
#include "ui_hilfen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace {

TEST(Programmstart, InstallermsgZeigtDasInfofensterAuchInGrossbuchstaben)
{
    for (const char* arg : {"installermsg", "INSTALLERMSG"}) {
        SCOPED_TRACE(arg);
        TProgramm programm;
        QString titel, version;
        BeimNaechstenDialog([&](QWidget* d) {
            titel = d->windowTitle();
            version = d->findChild<QLabel*>(QStringLiteral("Versionslabel"))->text();
            d->findChild<QPushButton*>()->click();
        });
        EXPECT_EQ(programm.Ausfuehren({QString::fromUtf8(arg)}), 0);
        EXPECT_EQ(titel, QStringLiteral("Kalumo Setup"));
        EXPECT_EQ(version, QStringLiteral("Version 4.06"));
        EXPECT_EQ(programm.StartFenster(), nullptr) << "no start window in the installer mode";
    }
    QApplication::setApplicationName(QStringLiteral("Kalumo"));
}

TEST(Programmstart, BrowseDocsOeffnetDieDokumentationOhneFenster)
{
    QList<QUrl> geoeffnet;
    Shell::SetOeffner([&](const QUrl& url) {
        geoeffnet << url;
        return true;
    });
    {
        TProgramm programm;
        EXPECT_EQ(programm.Ausfuehren({QStringLiteral("/browse"), QStringLiteral("Docs")}), 0);
        EXPECT_EQ(programm.StartFenster(), nullptr);
    }
    ASSERT_EQ(geoeffnet.size(), 1);
    EXPECT_TRUE(geoeffnet[0].toLocalFile().endsWith(QStringLiteral("QVTDOC1.HTM")));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("QVTDOC1.HTM")));

    {
        TProgramm programm;
        EXPECT_EQ(programm.Ausfuehren({QStringLiteral("/browse")}), 0);
        EXPECT_EQ(programm.Ausfuehren({QStringLiteral("/browse"), QStringLiteral("sonstwas")}), 0);
        EXPECT_EQ(programm.StartFenster(), nullptr);
    }
    EXPECT_EQ(geoeffnet.size(), 1) << "/browse without docs opens nothing";
    Shell::SetOeffner({});
}

TEST(Programmstart, BrowseMitInstallermsgOeffnetWederDokumentationNochInfofenster)
{
    // Only the first argument selects a mode: "/browse" wins and, without "docs", does
    // nothing at all.
    TProgramm programm;
    QList<QUrl> geoeffnet;
    Shell::SetOeffner([&](const QUrl& url) {
        geoeffnet << url;
        return true;
    });
    EXPECT_EQ(programm.Ausfuehren({QStringLiteral("/browse"), QStringLiteral("installermsg")}), 0);
    EXPECT_TRUE(geoeffnet.isEmpty());
    EXPECT_EQ(programm.StartFenster(), nullptr);
    Shell::SetOeffner({});
}

TEST_F(UiTest, StartknopfOeffnetVorgabenUndZeigtDanachWiederDasStartfenster)
{
    haupt().hide();
    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    TForm1* start = programm.StartFenster();
    start->show();
    TForm2::Seite gezeigt = TForm2::Seite::Plaene;
    bool startSichtbar = true;
    BeimNaechstenDialog([&](QWidget* d) {
        ASSERT_EQ(d, &haupt());
        gezeigt = haupt().AktiveSeite();
        startSichtbar = start->isVisible();
        haupt().close();
    });
    start->Image4Click();
    EXPECT_EQ(gezeigt, TForm2::Seite::Vorgaben);
    EXPECT_FALSE(startSichtbar);
    EXPECT_TRUE(start->isVisible());
    start->hide();
}

TEST_F(UiTest, WebbereichKopiertDieAdresseUndMeldetFehlschlag)
{
    Shell::SetOeffner([](const QUrl&) { return false; });
    programm.StartFenster()->Image2Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(Shell::WebAdresse));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, Shell::BrowserMeldung());
    programm.StartFenster()->Image3Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(Shell::SupportAdresse));
    Shell::SetOeffner({});
}

} // namespace
