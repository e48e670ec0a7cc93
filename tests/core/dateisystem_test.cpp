// Files under fault: every reading and writing entry point against folders, FIFOs,
// devices, links to devices, missing folders, write protection, a full disk and a
// failing flush. Whatever goes wrong: a German message naming the file, the old file
// byte for byte, nothing left behind, and nothing that blocks or reads without end.
#include "datei_hilfen.h"

#include "berechnung/statistik_export.h"
#include "dateisystem/lesen.h"
#include "dateisystem/schreiben.h"
#include "import/textdatei.h"
#include "ini/einstellungsdatei.h"
#include "ini/inidatei.h"
#include "schuldaten/quelle.h"
#include "vorschau/vorschauliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace DateiTest;

namespace {

bool IstRoot() { return ::geteuid() == 0; }

QByteArray Lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nicht lesbar>");
}

void Schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// Everything in a folder with its kind and content: what a failed operation must not change.
QStringList Bestand(const QString& ordner)
{
    QStringList b;
    for (const QFileInfo& i : QDir(ordner).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                         | QDir::NoDotAndDotDot,
                                                         QDir::Name)) {
        struct stat st {};
        ::lstat(QFile::encodeName(i.filePath()).constData(), &st);
        QString eintrag = i.fileName() + QStringLiteral(" %1").arg(st.st_mode, 0, 8);
        if (S_ISLNK(st.st_mode))
            eintrag += QStringLiteral(" -> ") + i.symLinkTarget();
        else if (S_ISREG(st.st_mode))
            eintrag += QStringLiteral(" ") + QString::fromLatin1(Lies(i.filePath()).toHex());
        b.append(eintrag);
    }
    return b;
}

int g_flushAufrufe = 0;
QString g_tempName;

int ScheiternderFlush(int)
{
    ++g_flushAufrufe;
    errno = EIO;
    return -1;
}

// Notes the name of the file being flushed, then flushes for real.
int BeobachtenderFlush(int fd)
{
    ++g_flushAufrufe;
    g_tempName = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd))).fileName();
    return ::fdatasync(fd);
}

class FlushErsatz {
public:
    explicit FlushErsatz(Dateisystem::Pruefhilfe::TFlush f) : m_vorher(Dateisystem::Pruefhilfe::SetzeFlush(f))
    {
        g_flushAufrufe = 0;
    }
    ~FlushErsatz() { Dateisystem::Pruefhilfe::SetzeFlush(m_vorher); }

private:
    Dateisystem::Pruefhilfe::TFlush m_vorher;
};

// A full disk, as a file size limit that binds root as well.
class EngeDateigroesse {
public:
    explicit EngeDateigroesse(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = m_vorher;
        eng.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &eng);
    }
    ~EngeDateigroesse()
    {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = nullptr;
};

struct TSchreibweg {
    const char* name;
    /// Writes to the path; empty on success, else the message.
    std::function<QString(const QString&)> schreibe;
    /// Creates a missing folder itself (the settings file does).
    bool legtOrdnerAn = false;
};

std::vector<TSchreibweg> Schreibwege()
{
    const QStringList zeilen{QStringLiteral("Herr Müller"), QStringLiteral("Frau Öztürk")};
    return {
        {"Datei speichern",
         [](const QString& p) {
             TSprechtag tag;
             FuelleReichenTag(tag);
             tag.Geaendert();
             const QString f = Datei::Speichern(tag, p, Inhalt::Alles).Fehler;
             // A failed save leaves the day changed.
             if (!f.isEmpty() && !tag.UngespeicherteAenderungen())
                 return QStringLiteral("als gespeichert markiert: ") + f;
             return f;
         }},
        {"Vorschaulisten", [zeilen](const QString& p) { return Vorschauliste::SchreibeDatei(p, zeilen).value_or(QString()); }},
        {"Statistik", [zeilen](const QString& p) { return SchreibeNichtErfuellte(p, zeilen); }},
        {"Einstellungen", [](const QString& p) { return SaveIni(p, TIniWerte{}).Meldung; }, true},
    };
}

enum class Ziel { Ordner, Fifo, Geraet, LinkAufGeraet, OrdnerFehlt, Schreibgeschuetzt, OrdnerGesperrt };

TEST(Dateisystem, SchreibenAufFeindlicheZiele)
{
    const struct {
        const char* fall;
        Ziel ziel;
        const char* grund; // a phrase of the German reason
        bool nurOhneRoot;
    } faelle[] = {
        {"Ordner", Ziel::Ordner, "keine normale Datei", false},
        {"FIFO", Ziel::Fifo, "keine normale Datei", false},
        {"Zeichengerät", Ziel::Geraet, "keine normale Datei", false},
        {"Verknüpfung auf /dev/null", Ziel::LinkAufGeraet, "keine normale Datei", false},
        {"Ordner fehlt", Ziel::OrdnerFehlt, "gibt es nicht", false},
        {"schreibgeschützte Datei", Ziel::Schreibgeschuetzt, "schreibgeschützt", true},
        {"Ordner ohne Schreibrecht", Ziel::OrdnerGesperrt, "keine Berechtigung", true},
    };
    for (const TSchreibweg& weg : Schreibwege()) {
        for (const auto& f : faelle) {
            SCOPED_TRACE(std::string(weg.name) + ": " + f.fall);
            if (f.nurOhneRoot && IstRoot())
                continue; // root may write anyway
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            const QString ordner = dir.filePath(QStringLiteral("ort"));
            ASSERT_TRUE(QDir().mkdir(ordner));
            QString pfad = QDir(ordner).filePath(QStringLiteral("ziel.dat"));
            switch (f.ziel) {
            case Ziel::Ordner:
                ASSERT_TRUE(QDir().mkdir(pfad));
                break;
            case Ziel::Fifo:
                ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0644), 0);
                break;
            case Ziel::Geraet:
                // The node of /dev/null, made here so that a fault cannot touch the real one.
                if (::mknod(QFile::encodeName(pfad).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                    continue; // not allowed in this container
                break;
            case Ziel::LinkAufGeraet:
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), pfad));
                break;
            case Ziel::OrdnerFehlt:
                if (weg.legtOrdnerAn)
                    continue;
                pfad = QDir(ordner).filePath(QStringLiteral("fehlt/ziel.dat"));
                break;
            case Ziel::Schreibgeschuetzt:
                Schreibe(pfad, "alt");
                ASSERT_TRUE(QFile::setPermissions(pfad, QFile::ReadOwner));
                break;
            case Ziel::OrdnerGesperrt:
                Schreibe(pfad, "alt");
                ASSERT_EQ(::chmod(QFile::encodeName(ordner).constData(), 0555), 0);
                break;
            }
            const QStringList vorher = Bestand(ordner);
            const QString meldung = weg.schreibe(pfad);
            EXPECT_TRUE(meldung.contains(QStringLiteral("„%1“").arg(pfad))) << meldung.toStdString();
            EXPECT_TRUE(meldung.contains(QString::fromUtf8(f.grund))) << meldung.toStdString();
            EXPECT_EQ(Bestand(ordner), vorher);
            ::chmod(QFile::encodeName(ordner).constData(), 0755);
        }
    }
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists());
}

// Full disk and failing flush: the old file stays, nothing is left beside it.
TEST(Dateisystem, SchreibfehlerLassenDieAlteDateiStehen)
{
    for (const TSchreibweg& weg : Schreibwege()) {
        for (const bool voll : {true, false}) {
            SCOPED_TRACE(std::string(weg.name) + (voll ? ": voller Datenträger" : ": Flush scheitert"));
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            const QString pfad = dir.filePath(QStringLiteral("ziel.dat"));
            Schreibe(pfad, "alt");
            const QStringList vorher = Bestand(dir.path());
            QString meldung;
            if (voll) {
                EngeDateigroesse eng(4);
                meldung = weg.schreibe(pfad);
            } else {
                FlushErsatz ersatz(&ScheiternderFlush);
                meldung = weg.schreibe(pfad);
                EXPECT_EQ(g_flushAufrufe, 1);
            }
            EXPECT_TRUE(meldung.contains(QStringLiteral("„%1“").arg(pfad))) << meldung.toStdString();
            EXPECT_TRUE(meldung.contains(voll ? QStringLiteral("größer, als das System erlaubt")
                                              : QStringLiteral("Ein-/Ausgabefehler")))
                << meldung.toStdString();
            EXPECT_FALSE(meldung.contains(QLatin1Char('\n')));
            EXPECT_EQ(Bestand(dir.path()), vorher);
        }
    }
}

TEST(Dateisystem, ErsetzenBehaeltRechteUndVerknuepfung)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString echt = dir.filePath(QStringLiteral("echt.txt"));
    Schreibe(echt, "alt");
    ASSERT_EQ(::chmod(QFile::encodeName(echt).constData(), 0640), 0);
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(echt, link));

    EXPECT_EQ(Dateisystem::SchreibeAtomar(link, "neu"), QString());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), echt);
    EXPECT_EQ(Lies(echt), "neu");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(echt).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("echt.txt"), QStringLiteral("link.txt")}));
}

/// A file as a killed save leaves it, last written `sekunden` ago.
void AlteDatei(const QString& pfad, int sekunden)
{
    Schreibe(pfad, "Rest");
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-sekunden), QFileDevice::FileModificationTime));
}

// The temporary file has a hidden name of its own; leftovers of a killed save of the
// same file go once they are a minute old, and nothing of the user's is touched.
TEST(Dateisystem, UebrigeKopienEinesAbgebrochenenSpeicherns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto alt = [&](const QString& name, int sekunden) { AlteDatei(dir.filePath(name), sekunden); };
    alt(QStringLiteral(".tag.qvt.kalumo-Ab3xYz"), 120);     // killed save: goes
    alt(QStringLiteral(".tag.qvt.kalumo-Qr5tUv"), 5);       // maybe still running: stays
    alt(QStringLiteral("tag.qvt.backup"), 3600);            // the user's
    alt(QStringLiteral("tag.qvt.Ab3xYz"), 3600);            // the user's, in the system's default pattern
    alt(QStringLiteral(".tag.qvt.kalumo-Ab3xY"), 3600);     // not the pattern
    alt(QStringLiteral(".tag.qvt.kalumo-Ab3xYz.txt"), 3600); // not the pattern
    alt(QStringLiteral(".anders.qvt.kalumo-Ab3xYz"), 3600); // another file's: its own save clears it

    FlushErsatz beobachten(&BeobachtenderFlush);
    EXPECT_EQ(Dateisystem::SchreibeAtomar(dir.filePath(QStringLiteral("tag.qvt")), "neu"), QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.tag\\.qvt\\.kalumo-[A-Za-z0-9]{6}$")).match(g_tempName).hasMatch())
        << g_tempName.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral(".anders.qvt.kalumo-Ab3xYz"), QStringLiteral(".tag.qvt.kalumo-Ab3xY"),
                           QStringLiteral(".tag.qvt.kalumo-Ab3xYz.txt"), QStringLiteral(".tag.qvt.kalumo-Qr5tUv"),
                           QStringLiteral("tag.qvt"), QStringLiteral("tag.qvt.Ab3xYz"), QStringLiteral("tag.qvt.backup")}));
}

// A save into a folder that was just made (the calendar export's) skips the pass over its
// leftovers.
TEST(Dateisystem, OhneAufraeumenBleibenUebrigeKopien)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AlteDatei(dir.filePath(QStringLiteral(".a.ics.kalumo-Ab3xYz")), 120);
    EXPECT_EQ(Dateisystem::SchreibeAtomar(dir.filePath(QStringLiteral("a.ics")), "neu",
                                          Dateisystem::TReste::SchonAufgeraeumt),
              QString());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral(".a.ics.kalumo-Ab3xYz")))) << "left to the pass";
}

TEST(Dateisystem, LesenNurNormalerDateienMitGrenze)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString link = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const QString genau = dir.filePath(QStringLiteral("genau"));
    Schreibe(genau, QByteArray(100, 'x'));
    const QString zuviel = dir.filePath(QStringLiteral("zuviel"));
    Schreibe(zuviel, QByteArray(101, 'x'));

    using Art = Dateisystem::TGelesen::Art;
    const struct {
        const char* fall;
        QString pfad;
        Art art;
    } faelle[] = {
        {"genau an der Grenze", genau, Art::Ok},
        {"ein Byte zu viel", zuviel, Art::ZuGross},
        // A regular file that reports size 0 and holds more: the bound counts what is read.
        {"Größe 0 gemeldet", QStringLiteral("/proc/self/maps"), Art::ZuGross},
        {"Ordner", dir.path(), Art::KeineNormaleDatei},
        {"FIFO", fifo, Art::KeineNormaleDatei},
        {"/dev/zero", QStringLiteral("/dev/zero"), Art::KeineNormaleDatei},
        {"/dev/urandom", QStringLiteral("/dev/urandom"), Art::KeineNormaleDatei},
        {"Verknüpfung auf /dev/zero", link, Art::KeineNormaleDatei},
        {"fehlt", dir.filePath(QStringLiteral("fehlt")), Art::NichtGeoeffnet},
    };
    for (const auto& f : faelle) {
        const Dateisystem::TGelesen g = Dateisystem::LiesDatei(f.pfad, 100);
        EXPECT_EQ(g.art, f.art) << f.fall;
        EXPECT_EQ(g.Bytes.size(), f.art == Art::Ok ? 100 : 0) << f.fall;
    }
    EXPECT_EQ(Dateisystem::LiesDatei(link, 100).Meldung(link, 100), QStringLiteral("„%1“ ist keine normale Datei.").arg(link));
    EXPECT_EQ(Dateisystem::LiesDatei(zuviel, 100).Meldung(zuviel, 100),
              QStringLiteral("Die Datei „%1“ ist größer als 1 KB und wird nicht gelesen.").arg(zuviel));
    EXPECT_EQ(Dateisystem::LiesAnfang(zuviel, 10).Bytes, QByteArray(10, 'x'));
}

// The program's readers on the same hostile paths: a message, nothing blocks or runs on.
TEST(Dateisystem, LeserDesProgrammsAufFeindlichenPfaden)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("fifo.qvt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString link = dir.filePath(QStringLiteral("zufall.qvt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), link));
    for (const QString& pfad : {QStringLiteral("/dev/zero"), fifo, link, dir.path()}) {
        const QString erwartet = QStringLiteral("„%1“ ist keine normale Datei.").arg(pfad);
        TSprechtag tag;
        FuelleReichenTag(tag);
        const QByteArray vorher = Abbild(tag);
        EXPECT_EQ(Datei::Laden(tag, pfad, TLadeModus::Ersetzen).Fehler, erwartet);
        EXPECT_EQ(Abbild(tag), vorher);
        EXPECT_EQ(DateiKopf::LiesDatei(pfad).Fehler, erwartet);
        const TTextdatei t = LeseTextdatei(pfad);
        EXPECT_FALSE(t.ok);
        EXPECT_TRUE(t.Fehler.startsWith(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(pfad)));
        EXPECT_TRUE(IniLesen(pfad).Zeilen().isEmpty());
        Schuldaten::TQuelle quelle;
        quelle.Pfad = pfad;
        EXPECT_TRUE(Schuldaten::LeseQuelle(quelle).Fehler.startsWith(
            QStringLiteral("Die Datei „%1“ kann nicht importiert werden.").arg(pfad)));
        EXPECT_EQ(Schuldaten::ErrateArt(pfad), std::nullopt);
    }
}

// Oversized files, made sparse: the settings file is neither read nor rewritten, the text
// import refuses.
TEST(Dateisystem, ZuGrosseEinstellungsUndTextdateien)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("qvt.ini"));
    Schreibe(ini, "[Druck]\nSchulName=Alt\n");
    ASSERT_TRUE(QFile::resize(ini, MaxIniBytes + 1));
    EXPECT_TRUE(IniLesen(ini).Zeilen().isEmpty());
    QString grund;
    EXPECT_FALSE(IniSchreiben(ini, QStringLiteral("Druck"), QStringLiteral("SchulName"), QStringLiteral("Neu"), &grund));
    EXPECT_EQ(grund, QStringLiteral("Die Datei „%1“ ist größer als 1 MB und wird nicht gelesen.").arg(ini));
    EXPECT_EQ(QFileInfo(ini).size(), MaxIniBytes + 1);

    const QString text = dir.filePath(QStringLiteral("namen.txt"));
    Schreibe(text, "Abel\n");
    ASSERT_TRUE(QFile::resize(text, MaxImportBytes + 1));
    EXPECT_EQ(LeseTextdatei(text).Fehler,
              QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.\nSie ist größer als 8 MB und damit zu groß "
                             "für eine Namensliste oder einen Brief.")
                  .arg(text));
}

} // namespace

namespace {
int ZweiterFlushScheitert(int fd)
{
    if (++g_flushAufrufe == 2) {
        errno = EIO;
        return -1;
    }
    return ::fdatasync(fd);
}
} // namespace

// Files that belong together (a day and its call list): when one of them cannot be
// written completely, none of the targets changes, whichever it was; else both do.
TEST(Dateisystem, ZusammengehoerigeDateienAllesOderNichts)
{
    const struct {
        const char* name;
        const char* ersteDatei; ///< relative to the folder
        const char* zweiteDatei;
        bool flushScheitert;
        const char* scheitert; ///< the file the message names; empty: success
    } faelle[] = {
        {"zweites Ziel unter einer Datei", "liste.csv", "datei/tag.qvt", false, "datei/tag.qvt"},
        {"erstes Ziel unter einer Datei", "datei/liste.csv", "tag.qvt", false, "datei/liste.csv"},
        {"zweiter Flush scheitert", "liste.csv", "tag.qvt", true, "tag.qvt"},
        {"beide gelingen", "liste.csv", "tag.qvt", false, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        Schreibe(dir.filePath(QStringLiteral("liste.csv")), "alte Liste");
        Schreibe(dir.filePath(QStringLiteral("tag.qvt")), "alter Tag");
        Schreibe(dir.filePath(QStringLiteral("datei")), "kein Ordner");
        const QStringList vorher = Bestand(dir.path());
        const QString erste = dir.filePath(QString::fromUtf8(f.ersteDatei));
        const QString zweite = dir.filePath(QString::fromUtf8(f.zweiteDatei));
        QString meldung;
        {
            FlushErsatz ersatz(f.flushScheitert ? &ZweiterFlushScheitert : &BeobachtenderFlush);
            meldung = Dateisystem::SchreibeAlleAtomar({{erste, "neue Liste"}, {zweite, "neuer Tag"}});
        }
        if (*f.scheitert == 0) {
            EXPECT_EQ(meldung, QString());
            EXPECT_EQ(Lies(erste), "neue Liste");
            EXPECT_EQ(Lies(zweite), "neuer Tag");
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                      (QStringList{QStringLiteral("datei"), QStringLiteral("liste.csv"), QStringLiteral("tag.qvt")}));
            continue;
        }
        EXPECT_TRUE(meldung.startsWith(QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.")
                                           .arg(dir.filePath(QString::fromUtf8(f.scheitert)))))
            << meldung.toStdString();
        EXPECT_EQ(Bestand(dir.path()), vorher);
    }
}
