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

// Watches the whole run for the main window being shown: the file load happens before it,
// behind the wait window, and may take any time on a busy machine.
class THauptfensterWaechter : public QObject {
public:
    explicit THauptfensterWaechter(TProgramm& programm, TBeobachtung& b)
        : m_programm(programm)
        , m_b(b)
    {
        qApp->installEventFilter(this);
    }
    ~THauptfensterWaechter() override { qApp->removeEventFilter(this); }

    /// Looks at the windows; called once the start is over.
    void Beobachte()
    {
        TForm2* haupt = m_programm.Hauptfenster();
        TForm1* start = m_programm.StartFenster();
        m_b.hauptSichtbar = m_b.hauptSichtbar || haupt->isVisible();
        m_b.startSichtbar = start->isVisible();
        m_b.seite = haupt->AktiveSeite();
        m_b.titel = haupt->windowTitle();
        m_b.lehrer = m_programm.Tag().Lehrer.Anzahl();
        m_b.eltern = m_programm.Tag().Eltern.Anzahl();
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Show && objekt == m_programm.Hauptfenster()) {
            m_b.hauptSichtbar = true;
            Beobachte();
            // Closed from its own event loop; the start window comes back and is closed next.
            TForm2* haupt = m_programm.Hauptfenster();
            QMetaObject::invokeMethod(haupt, [haupt] { haupt->close(); }, Qt::QueuedConnection);
        } else if (ereignis->type() == QEvent::Show && objekt == m_programm.StartFenster() && m_b.hauptSichtbar) {
            TForm1* start = m_programm.StartFenster();
            QMetaObject::invokeMethod(start, [start] { start->close(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    TProgramm& m_programm;
    TBeobachtung& m_b;
};

// Runs the whole program (with its event loop). With a day file the windows are looked at
// when the main window shows, which is closed then; the start window that comes back is
// closed as well. Without a file they are looked at once the event loop runs (nothing is
// pending then). A safety timer ends a run that hangs.
TBeobachtung Starte(const QStringList& argumente, bool mitDatei)
{
    TProgramm programm;
    TBeobachtung b;
    THauptfensterWaechter waechter(programm, b);
    QObject kontext;
    if (!mitDatei) {
        QTimer::singleShot(0, &kontext, [&] {
            waechter.Beobachte();
            TForm1* start = programm.StartFenster();
            QMetaObject::invokeMethod(start, [start] { start->close(); }, Qt::QueuedConnection);
        });
    }
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QApplication::exit(1); });
    notbremse.start(60000);
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
        const TBeobachtung b = Starte({pfad(name)}, true);
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
        QStringList argumente;
    };
    const Fall faelle[] = {
        {"missing day file", {pfad("fehlt.qvt")}},
        {"a text file", {pfad("liste.txt")}},
        {"a folder named like a day file", [this] {
             QDir(ordner.path()).mkdir(QStringLiteral("ordner.qvt"));
             return QStringList{pfad("ordner.qvt")};
         }()},
        {"any word", {QStringLiteral("hallo")}},
        // Only the first argument selects the installer mode.
        {"installermsg as second argument", {QStringLiteral("hallo"), QStringLiteral("installermsg")}},
        {"a day file as second argument", {QStringLiteral("hallo"), pfad("tag.qvt")}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.beschreibung);
        const TBeobachtung b = Starte(f.argumente, false);
        EXPECT_FALSE(b.hauptSichtbar);
        EXPECT_TRUE(b.startSichtbar);
        EXPECT_EQ(b.titel, QStringLiteral("Kalumo"));
        EXPECT_EQ(b.lehrer, 0);
        EXPECT_EQ(b.eltern, 0);
    }
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('\n')).toStdString();
}

} // namespace
