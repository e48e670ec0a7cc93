// Saving: the mask the dialog's boxes give, the file on disk, and failures that must
// leave an existing file exactly as it was.
#include "datei_hilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace DateiTest;

namespace {

TEST(DateiSpeichern, MaskeFolgtDenAbhaengigkeiten)
{
    using namespace Inhalt;
    const struct {
        int angekreuzt;
        bool plaeneGueltig;
        int maske;
    } faelle[] = {
        {Vorgaben, true, Lehrer | Vorgaben},
        {Lehrer, true, Lehrer},
        {Eltern, true, Eltern},
        {Preview, true, Preview},
        {Sprech, true, Lehrer | Eltern | Sprech},
        {Ungewuenscht, false, Lehrer | Eltern | Ungewuenscht},
        {Plaene, true, Lehrer | Eltern | Plaene},
        {Plaene, false, 0},                     // no bit 6 without valid plans
        {Plaene | Vorgaben, false, Lehrer | Vorgaben},
        {Alles, false, OhnePlaene},
        {Alles, true, Alles},
        {Alles | 0x180, true, Alles},           // unknown bits are not written
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SpeicherMaske(f.angekreuzt, f.plaeneGueltig), f.maske) << f.angekreuzt << " " << f.plaeneGueltig;
    EXPECT_EQ(MitAbhaengigkeiten(Plaene), Lehrer | Eltern | Plaene);
}

TEST(DateiSpeichern, SchreibtDieDateiUndGiltDannAlsGespeichert)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tag.qvt"));
    TSprechtag tag;
    FuelleReichenTag(tag);
    TSprechtag kopie;
    FuelleReichenTag(kopie);
    const QByteArray erwartet = Datei::SpeichereInBytes(kopie, Inhalt::Alles);

    const TDateiErgebnis e = Datei::Speichern(tag, pfad, Inhalt::Alles);
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.Maske, 127);
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), erwartet);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());

    // Reading the header alone, as the program does before the load question.
    const TDateiKopf k = DateiKopf::LiesDatei(pfad);
    EXPECT_TRUE(k.ok());
    EXPECT_EQ(k.Revision, 9);
    EXPECT_EQ(k.Maske, 127);

    // A file with only some sections leaves the rest of the day unsaved.
    tag.Geaendert();
    ASSERT_TRUE(Datei::Speichern(tag, pfad, Inhalt::Lehrer).ok());
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    // Without valid plans, everything else is everything.
    tag.PlaeneGueltig = false;
    ASSERT_TRUE(Datei::Speichern(tag, pfad, Inhalt::Alles).ok());
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

class DateiSpeichernFehler : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        alt = dir.filePath(QStringLiteral("alt.qvt"));
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        altInhalt = QByteArray("QVT file rev 9  \x02\x00\x09", 19);
        f.write(altInhalt);
        f.close();
        FuelleReichenTag(tag);
        tag.Geaendert();
        seed = tag.Zufall.Seed();
    }

    void ErwarteFehlschlag(const QString& pfad, const QString& meldungsanfang)
    {
        const TDateiErgebnis e = Datei::Speichern(tag, pfad, Inhalt::Alles);
        EXPECT_TRUE(e.Fehler.startsWith(meldungsanfang)) << e.Fehler.toStdString();
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("unverändert"))) << e.Fehler.toStdString();
        EXPECT_TRUE(tag.UngespeicherteAenderungen());
        EXPECT_EQ(tag.Zufall.Seed(), seed);
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), altInhalt);
        // No temporary file is left beside it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1 + extraDateien);
    }

    QTemporaryDir dir;
    QString alt;
    QByteArray altInhalt;
    TSprechtag tag;
    quint32 seed = 0;
    int extraDateien = 0;
};

TEST_F(DateiSpeichernFehler, OrdnerGibtEsNicht)
{
    const QString pfad = dir.filePath(QStringLiteral("fehlt/tag.qvt"));
    ErwarteFehlschlag(pfad, QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\rDen Ordner „%2“ gibt es nicht.\r"
                                           "Eine vorhandene Datei dieses Namens ist unverändert.")
                                .arg(pfad, dir.filePath(QStringLiteral("fehlt"))));
}

TEST_F(DateiSpeichernFehler, OrdnerIstEineDatei)
{
    // Even root cannot create a file below a regular file.
    ErwarteFehlschlag(alt + QStringLiteral("/tag.qvt"), QStringLiteral("Die Datei „%1/tag.qvt“ wurde nicht gespeichert.\r"
                                                                       "Ein Teil des Pfads ist kein Ordner.")
                                                            .arg(alt));
}

TEST_F(DateiSpeichernFehler, ZielIstEinOrdner)
{
    const QString ordner = dir.filePath(QStringLiteral("ordner.qvt"));
    ASSERT_TRUE(QDir().mkdir(ordner));
    ErwarteFehlschlag(ordner, QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\rDas Ziel ist ein Ordner, keine normale Datei.").arg(ordner));
    EXPECT_TRUE(QFileInfo(ordner).isDir());
}

// A full disk, simulated with a file size limit that binds root as well: the old file
// at the very path being saved must survive.
TEST_F(DateiSpeichernFehler, VolleFestplatteLaesstDieAlteDateiStehen)
{
    for (int i = 0; i < 200; ++i)
        tag.ElternUebernehmen(QStringLiteral("Eltern mit langem Namen Nummer %1").arg(i));
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    const TDateiErgebnis e = Datei::Speichern(tag, alt, Inhalt::Alles);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, altesSignal);
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(tag.Zufall.Seed(), seed);
    EXPECT_EQ(e.Fehler, QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\rDie Datei wird größer, als das System "
                                       "erlaubt.\rEine vorhandene Datei dieses Namens ist unverändert.")
                            .arg(alt));
    EXPECT_TRUE(e.Fehler.contains(QStringLiteral("unverändert")));
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), altInhalt);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
}

TEST(DateiLaden, DateiFehltOderIstEinOrdner)
{
    QTemporaryDir dir;
    TSprechtag tag;
    const QString fehlt = dir.filePath(QStringLiteral("fehlt.qvt"));
    const QString meldung = QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden.\rDie Datei oder ihren Ordner "
                                           "gibt es nicht.")
                                .arg(fehlt);
    EXPECT_EQ(Datei::Laden(tag, fehlt, TLadeModus::Hinzufuegen).Fehler, meldung);
    EXPECT_EQ(DateiKopf::LiesDatei(fehlt).Fehler, meldung);
    EXPECT_EQ(Datei::Laden(tag, dir.path(), TLadeModus::Hinzufuegen).Fehler,
              QStringLiteral("„%1“ ist keine normale Datei.").arg(dir.path()));
    EXPECT_TRUE(tag.Lehrer.IstLeer());
}

} // namespace
