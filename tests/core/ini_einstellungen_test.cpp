#include "ini/einstellungsdatei.h"
#include "ini/inidatei.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TIniStart start()
{
    TIniStart s;
    s.Bildschirm = QSize(1921, 1080);
    s.Fenster = QSize(800, 601);
    s.ProgrammOrdner = "/opt/kalumo";
    return s;
}

TIniWerte laden(const char* text) { return LoadIni(TIniDokument::AusBytes(QByteArray(text)), start()); }

void schreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray leseDatei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(LoadIni, FehlendeDateiGibtZentriertesFensterUndVorgaben)
{
    const TIniWerte w = LoadIni(QStringLiteral("/gibt/es/nicht/qvt.ini"), start());
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Width, 800);
    EXPECT_EQ(w.Height, 601);
    EXPECT_EQ(w.Left, 560);  // (1921 - 800) / 2, rounded toward zero
    EXPECT_EQ(w.Top, 239);   // (1080 - 601) / 2
    EXPECT_EQ(w.ElternBoxSpalten, 3);
    EXPECT_EQ(w.SprechwunschBoxSpalten, 3);
    EXPECT_EQ(w.QvtFiles, "/opt/kalumo/");
    EXPECT_EQ(w.OpenTXT, "/opt/kalumo/");
    EXPECT_EQ(w.SavePreview, "/opt/kalumo/");
    EXPECT_EQ(w.SchulName, "");
}

TEST(LoadIni, Faelle)
{
    const struct {
        const char* name;
        const char* datei;
        int state, height, width, left, top, eltern, wunsch;
    } faelle[] = {
        {"maximiert: gespeicherte Lage wird nicht gelesen",
         "[ScreenPos]\nWindowState=2\nHeight=300\nWidth=400\nLeft=5\nTop=6\n", 2, 601, 800, 560, 239, 3, 3},
        {"Breite hexadezimal", "[ScreenPos]\nWidth=0x280\n", 0, 601, 640, 560, 239, 3, 3},
        {"Höhe kein Zahlwert", "[ScreenPos]\nHeight=hoch\nTop=12\n", 0, 601, 800, 560, 12, 3, 3},
        {"Schreibweise egal", "[SCREENPOS]\nwindowstate=0\nheight=500\n[columns]\nelternbox=5\nSPRECHWUNSCHBOX=$a\n",
         0, 500, 800, 560, 239, 5, 10},
        {"Spalten ohne Obergrenze, aber mindestens eine", "[Columns]\nElternBox=12\nSprechwunschBox=0\n",
         0, 601, 800, 560, 239, 12, 3},
        {"negative Lage bleibt", "[ScreenPos]\nLeft=-8\nTop=-8\n", 0, 601, 800, -8, -8, 3, 3},
        {"minimiert liest die Lage", "[ScreenPos]\nWindowState=1\nWidth=700\n", 1, 601, 700, 560, 239, 3, 3},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const TIniWerte w = laden(f.datei);
        EXPECT_EQ(w.WindowState, f.state);
        EXPECT_EQ(w.Height, f.height);
        EXPECT_EQ(w.Width, f.width);
        EXPECT_EQ(w.Left, f.left);
        EXPECT_EQ(w.Top, f.top);
        EXPECT_EQ(w.ElternBoxSpalten, f.eltern);
        EXPECT_EQ(w.SprechwunschBoxSpalten, f.wunsch);
    }
}

TEST(LoadIni, UmschreibenNurMitNullAus)
{
    // Off only when the file says so plainly; anything else keeps foreign names importable.
    const struct {
        const char* datei;
        bool an;
    } faelle[] = {
        {"", true},
        {"[Schuldaten]\nUmschreiben=0\n", false},
        {"[schuldaten]\numschreiben= 0 \n", false},
        {"[Schuldaten]\nUmschreiben=1\n", true},
        {"[Schuldaten]\nUmschreiben=nein\n", true},
        {"[Schuldaten]\nUmschreiben=\n", true},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(laden(f.datei).Umschreiben, f.an) << f.datei;
}

TEST(LoadIni, Ordner)
{
    const TIniWerte w = laden("[Path]\nqvtfiles=/gibt/es/nicht/mehr\nOpenTxt=\nSavePreview=/home/jörg/\n"
                              "[Druck]\nSchulName=Gesamtschule Am Lindenhang\n");
    EXPECT_EQ(w.QvtFiles, "/gibt/es/nicht/mehr") << "a vanished folder is still offered";
    EXPECT_EQ(w.OpenTXT, "/opt/kalumo/") << "an empty folder means the program's folder";
    EXPECT_EQ(w.SavePreview, QString::fromUtf8("/home/jörg/"));
    EXPECT_EQ(w.SchulName, "Gesamtschule Am Lindenhang");
}

TEST(SaveIni, ReihenfolgeUndAbbruchBeimVerweigertenSchreiben)
{
    TIniWerte w;
    QStringList geschrieben;
    const auto merke = [&](const QString& s, const QString& k, const QString& v) {
        geschrieben << s + "/" + k + "=" + v;
        return true;
    };
    w.WindowState = 2;
    w.Height = 480;
    w.QvtFiles = "/q";
    EXPECT_TRUE(SaveIni(w, merke));
    EXPECT_EQ(geschrieben, (QStringList{"ScreenPos/WindowState=2", "ScreenPos/Height=480", "ScreenPos/Width=0",
                                        "ScreenPos/Left=0", "ScreenPos/Top=0", "Columns/ElternBox=3",
                                        "Columns/SprechwunschBox=3", "Path/QvtFiles=/q", "Path/OpenTXT=",
                                        "Path/SavePreview=", "Druck/SchulName=", "Schuldaten/Ordner=",
                                        "Schuldaten/LehrerMuster=", "Schuldaten/ElternMuster=",
                                        "Schuldaten/SpaltenLehrer=", "Schuldaten/SpaltenSchueler=",
                                        "Schuldaten/SpaltenUnterricht=", "Schuldaten/SpaltenWuensche=",
                                        "Schuldaten/Faecher=", "Schuldaten/Umschreiben=1", "Termine/Datum=", "Termine/Ordner=", "Wiederherstellung/Intervall=120"}));

    int versuche = 0;
    EXPECT_FALSE(SaveIni(w, [&](const QString&, const QString&, const QString&) { return ++versuche < 4; }));
    EXPECT_EQ(versuche, 4) << "nothing is tried after the refused write";
}

TEST(SaveIni, HinUndZurueck)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath("qvt.ini");
    schreibeDatei(pfad, "; eigene Notiz\n[Fremd]\nbleibt=ja\n[ScreenPos]\nwidth=1\n");

    TIniWerte w;
    w.WindowState = 0;
    w.Height = 700;
    w.Width = 1000;
    w.Left = -4;
    w.Top = 30;
    w.ElternBoxSpalten = 4;
    w.SprechwunschBoxSpalten = 2;
    w.QvtFiles = QString::fromUtf8("/home/jörg/Sprechtage/");
    w.OpenTXT = "/tmp/";
    w.SavePreview = QString::fromUtf8("/home/jörg/Ausdrucke/");
    w.SchulName = QString::fromUtf8("Gymnasium Kleeberg – Außenstelle");
    w.SchuldatenOrdner = QString::fromUtf8("/home/jörg/Export/");
    w.LehrerMuster = QString::fromUtf8("{Nachname}, {Vorname} ({Kürzel})");
    w.ElternMuster = QString::fromUtf8("{Klasse} – {Nachname}");
    w.SpaltenSchueler = QString::fromUtf8("Klasse=Keins|Schülername=Nachname|#3=Vorname");
    w.SpaltenWuensche = QStringLiteral("Wunsch 1=Wunsch|Wunsch 2=Wunsch");
    w.Faecher = QString::fromUtf8("PK=Politik; NW=Naturwissenschaften; Ek=Erdkunde");
    w.Umschreiben = false;
    w.TermineDatum = QStringLiteral("2026-11-19");
    w.TermineOrdner = QString::fromUtf8("/home/jörg/Termine/");
    w.WiederherstellungSekunden = 45;
    const TIniSpeicherung s = SaveIni(pfad, w);
    ASSERT_TRUE(s.ok) << s.Meldung.toStdString();

    const TIniWerte r = LoadIni(pfad, start());
    EXPECT_EQ(r.WindowState, w.WindowState);
    EXPECT_EQ(r.Height, w.Height);
    EXPECT_EQ(r.Width, w.Width);
    EXPECT_EQ(r.Left, w.Left);
    EXPECT_EQ(r.Top, w.Top);
    EXPECT_EQ(r.ElternBoxSpalten, w.ElternBoxSpalten);
    EXPECT_EQ(r.SprechwunschBoxSpalten, w.SprechwunschBoxSpalten);
    EXPECT_EQ(r.QvtFiles, w.QvtFiles);
    EXPECT_EQ(r.OpenTXT, w.OpenTXT);
    EXPECT_EQ(r.SavePreview, w.SavePreview);
    EXPECT_EQ(r.SchulName, w.SchulName);
    EXPECT_EQ(r.SchuldatenOrdner, w.SchuldatenOrdner);
    EXPECT_EQ(r.LehrerMuster, w.LehrerMuster);
    EXPECT_EQ(r.ElternMuster, w.ElternMuster);
    EXPECT_EQ(r.SpaltenLehrer, "");
    EXPECT_EQ(r.SpaltenSchueler, w.SpaltenSchueler);
    EXPECT_EQ(r.SpaltenWuensche, w.SpaltenWuensche);
    EXPECT_EQ(r.Faecher, w.Faecher);
    EXPECT_FALSE(r.Umschreiben);
    EXPECT_EQ(r.TermineDatum, w.TermineDatum);
    EXPECT_EQ(r.TermineOrdner, w.TermineOrdner);
    EXPECT_EQ(r.WiederherstellungSekunden, w.WiederherstellungSekunden);

    const QByteArray bytes = leseDatei(pfad);
    EXPECT_TRUE(bytes.startsWith("; eigene Notiz\n[Fremd]\nbleibt=ja\n[ScreenPos]\nwidth=1000\n"));
    EXPECT_TRUE(bytes.contains("QvtFiles=/home/j\xC3\xB6rg/Sprechtage/")) << "folders are UTF-8";
    EXPECT_EQ(bytes.count("[ScreenPos]"), 1);
}

TEST(SaveIni, NichtBeschreibbarerOrdner)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A regular file where the folder should be: refused even for root.
    schreibeDatei(dir.filePath("datei"), "x");
    const QString pfad = dir.filePath("datei/qvt.ini");
    const TIniSpeicherung s = SaveIni(pfad, TIniWerte{});
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.Meldung, QStringLiteral("Die Einstellungsdatei „%1“ kann nicht geschrieben werden.\rDer Ordner „%2“ kann "
                                        "nicht angelegt werden.")
                             .arg(pfad, dir.filePath("datei")));
    EXPECT_EQ(leseDatei(dir.filePath("datei")), "x");
}

TEST(IniPfad, NebenDemProgrammOderImKonfigurationsordner)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(IniPfad(dir.path()), QDir(dir.path()).filePath("qvt.ini"));
    EXPECT_EQ(IniLesePfad(dir.path()), IniPfad(dir.path()));

    const QByteArray alt = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("konfig").toUtf8());
    schreibeDatei(dir.filePath("programm"), "kein Ordner");
    EXPECT_EQ(IniPfad(dir.filePath("programm")), dir.filePath("konfig/kalumo/qvt.ini"));

    // The fallback folder is made on the first write.
    EXPECT_TRUE(SaveIni(IniPfad(dir.filePath("programm")), TIniWerte{}).ok);
    EXPECT_TRUE(QFile::exists(dir.filePath("konfig/kalumo/qvt.ini")));

    if (alt.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", alt);
}

TEST(LoadIni, WiederherstellungsIntervallNurImBereich)
{
    const struct {
        const char* datei;
        int sekunden;
    } faelle[] = {
        {"[Wiederherstellung]\nIntervall=300\n", 300},
        {"[wiederherstellung]\nintervall=10\n", 10},
        {"[Wiederherstellung]\nIntervall=9\n", 120},
        {"[Wiederherstellung]\nIntervall=0\n", 120},
        {"[Wiederherstellung]\nIntervall=zwei Minuten\n", 120},
        {"[Wiederherstellung]\nIntervall=86401\n", 120},
        {"", 120},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(laden(f.datei).WiederherstellungSekunden, f.sekunden) << f.datei;
}

TEST(LoadIni, TermineDatumNurAlsGueltigesDatum)
{
    const struct {
        const char* datei;
        const char* datum;
    } faelle[] = {
        {"[Termine]\nDatum=2026-11-19\n", "2026-11-19"},
        {"[termine]\ndatum= 2027-02-28 \n", "2027-02-28"},
        {"[Termine]\nDatum=2026-02-30\n", ""},
        {"[Termine]\nDatum=19.11.2026\n", ""},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(laden(f.datei).TermineDatum, QString::fromLatin1(f.datum)) << f.datei;
}
