// Starting the program with a day file as first argument, as the desktop does on a
// double-click: the file is loaded and the main window opens on "Vorgaben".
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "fenster/startfenster.h"
#include "ui_hilfen.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

struct TBeobachtung {
    bool hauptSichtbar = false;
    bool startSichtbar = false;
    TForm2::Seite seite = TForm2::Seite::Plaene;
    QString titel;
    qsizetype lehrer = -1;
    qsizetype eltern = -1;
};

// Runs the whole program (with its event loop) and looks at the windows once the start is
// over; then closes what is open so that the run ends. A safety timer ends a run that hangs.
TBeobachtung Starte(const QStringList& argumente)
{
    TProgramm programm;
    TBeobachtung b;
    QTimer::singleShot(100, [&] {
        TForm2* haupt = programm.Hauptfenster();
        TForm1* start = programm.StartFenster();
        if (!haupt || !start)
            return QApplication::quit();
        b.hauptSichtbar = haupt->isVisible();
        b.startSichtbar = start->isVisible();
        b.seite = haupt->AktiveSeite();
        b.titel = haupt->windowTitle();
        b.lehrer = programm.Tag().Lehrer.Anzahl();
        b.eltern = programm.Tag().Eltern.Anzahl();
        if (haupt->isVisible())
            haupt->close(); // the start window comes back; closed by the next timer
        QTimer::singleShot(0, start, [start] { start->close(); });
    });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QApplication::exit(1); });
    notbremse.start(20000);
    EXPECT_EQ(programm.Ausfuehren(argumente), 0) << "the run had to be ended by force";
    return b;
}

class ProgrammstartDatei : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        // Ending the run writes the settings file; it goes into the test's own folder.
        alteIni = qgetenv("KALUMO_INI");
        qputenv("KALUMO_INI", pfad("qvt.ini").toLocal8Bit());
        Meldung::SetAbfang([this](Meldung::Art, const QString& text) {
            meldungen << text;
            return Meldung::Antwort::Nein;
        });
        TSprechtag tag;
        tag.LehrerUebernehmen(QStringLiteral("Ahrens (101)"));
        tag.LehrerUebernehmen(QStringLiteral("Bäumer (204)"));
        tag.ElternUebernehmen(QStringLiteral("5a: Özdemir"));
        for (const char* name : {"tag.qvt", "TAG2.QVT"})
            ASSERT_TRUE(Datei::Speichern(tag, pfad(name), Inhalt::OhnePlaene).ok());
        QFile text(pfad("liste.txt"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("Ahrens (101)\r\n");
    }
    void TearDown() override
    {
        Meldung::SetAbfang({});
        qputenv("KALUMO_INI", alteIni);
    }

    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }

    QTemporaryDir ordner;
    QStringList meldungen;
    QByteArray alteIni;
};

TEST_F(ProgrammstartDatei, EineTagesdateiWirdGeladenUndDasHauptfensterOeffnetAufVorgaben)
{
    for (const char* name : {"tag.qvt", "TAG2.QVT"}) {
        SCOPED_TRACE(name);
        const TBeobachtung b = Starte({pfad(name)});
        EXPECT_TRUE(b.hauptSichtbar);
        EXPECT_FALSE(b.startSichtbar) << "the start window hides while the main window is open";
        EXPECT_EQ(b.seite, TForm2::Seite::Vorgaben);
        EXPECT_EQ(b.titel, QStringLiteral("Kalumo - ") + QString::fromUtf8(name));
        EXPECT_EQ(b.lehrer, 2);
        EXPECT_EQ(b.eltern, 1);
    }
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgrammstartDatei, AndereArgumenteStartenNormalMitLeeremTag)
{
    struct Fall {
        const char* beschreibung;
        QString argument;
    };
    const Fall faelle[] = {
        {"missing day file", pfad("fehlt.qvt")},
        {"a text file", pfad("liste.txt")},
        {"a folder named like a day file", [this] {
             QDir(ordner.path()).mkdir(QStringLiteral("ordner.qvt"));
             return pfad("ordner.qvt");
         }()},
        {"any word", QStringLiteral("hallo")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.beschreibung);
        const TBeobachtung b = Starte({f.argument});
        EXPECT_FALSE(b.hauptSichtbar);
        EXPECT_TRUE(b.startSichtbar);
        EXPECT_EQ(b.titel, QStringLiteral("Kalumo"));
        EXPECT_EQ(b.lehrer, 0);
        EXPECT_EQ(b.eltern, 0);
    }
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('\n')).toStdString();
}

} // namespace
