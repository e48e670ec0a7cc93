// A day saved and loaded again is the same day: every section, umlauts, long names,
// breaks, plans, and the key that shifts the timetable texts.
#include "datei/plan_schluessel.h"
#include "datei_hilfen.h"

#include <gtest/gtest.h>

using namespace DateiTest;

namespace {

TEST(DateiRundreise, ReicherTagKommtUnveraendertZurueck)
{
    TSprechtag quelle;
    FuelleReichenTag(quelle);
    const QByteArray datei = Datei::SpeichereInBytes(quelle, Inhalt::Alles);

    TSprechtag ziel;
    const TDateiErgebnis e = Datei::LadeAusBytes(ziel, datei, TLadeModus::Hinzufuegen);
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.Revision, 9);
    EXPECT_EQ(e.Maske, 127);
    EXPECT_EQ(DateiSchreiber::Schreibe(ziel, Inhalt::Alles, 30000), DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30000));
    EXPECT_TRUE(ziel.PlaeneGueltig);
    EXPECT_TRUE(ziel.FreieTermineAnzeigen);
    ASSERT_EQ(ziel.Pausen.size(), 2u);
    EXPECT_EQ(ziel.Pausen[1]->SlotVon(), 7); // 16:05 with 15-minute slots from 14:30
    EXPECT_EQ(ziel.Lehrer.Suche(QStringLiteral("MÜLLER (r101)"))->Zeitplan.at(1), QStringLiteral("16:15 Uhr: "));
    EXPECT_EQ(ziel.Eltern.Suche(QStringLiteral("5a: Groß"))->Zeitplan.at(0), QStringLiteral("15:30 Uhr: [ Ärger (Aula) ]"));
    EXPECT_EQ(ziel.Vorgaben.SprechTakt, 15);
    EXPECT_FALSE(ziel.UngespeicherteAenderungen());
    // The same file written again is byte-identical apart from the key.
    EXPECT_EQ(DateiSchreiber::Schreibe(ziel, Inhalt::OhnePlaene, 0), DateiSchreiber::Schreibe(quelle, Inhalt::OhnePlaene, 0));
}

TEST(DateiRundreise, LangerNameMitTag0C)
{
    TSprechtag tag;
    const QString lang(300, QChar(0xE4)); // 300 × ä
    tag.LehrerUebernehmen(lang);
    const QByteArray datei = Datei::SpeichereInBytes(tag, Inhalt::Lehrer);
    EXPECT_EQ(datei.mid(20, 5).toHex(), QByteArray("0c2c010000"));
    EXPECT_EQ(datei.mid(25, 300), QByteArray(300, char(0xE4)));
    TSprechtag ziel;
    ASSERT_TRUE(Datei::LadeAusBytes(ziel, datei, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(ziel.Lehrer.Name(0), lang);
}

TEST(DateiRundreise, PlanSchluesselWendetBei31994)
{
    TPlanSchluessel k(30999);
    for (int i = 0; i < 994; ++i)
        k.Verschiebe({});
    EXPECT_EQ(k.Aktuell(), 31993);
    k.Verschiebe({});
    EXPECT_EQ(k.Aktuell(), 31994); // the 995th text
    const QByteArray b = k.Verschiebe(QByteArrayLiteral("A"));
    EXPECT_EQ(k.Aktuell(), 29676); // the 996th
    EXPECT_EQ(uchar(b[0]), uchar('A' - 29676 % 27));
    // Byte values wrap around 0 and 255.
    TPlanSchluessel a(30000 + 24), z(30000 + 24);
    const QByteArray roh = QByteArray::fromHex("0001ff80");
    EXPECT_EQ(z.Zurueck(a.Verschiebe(roh)), roh);
}

// Enough plan lines that the key passes its turning point within one file.
TEST(DateiRundreise, PlaeneUeberDieSchluesselwendeHinweg)
{
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("Kern"));
    quelle.ElternUebernehmen(QStringLiteral("1a: Ö"));
    QStringList zeilen;
    for (int i = 0; i < 2100; ++i)
        zeilen.append(QStringLiteral("%1 Uhr: 1a: Ö ÿ\x81").arg(i, 5, 10, QLatin1Char('0')));
    quelle.Lehrer.Suche(QStringLiteral("Kern"))->Zeitplan = zeilen;
    quelle.PlaeneGueltig = true;
    const QByteArray datei = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30999);
    TSprechtag ziel;
    ASSERT_TRUE(Datei::LadeAusBytes(ziel, datei, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(ziel.Lehrer.Suche(QStringLiteral("Kern"))->Zeitplan, zeilen);
    // Shifted, except where the key is a multiple of 27 (one text in 27).
    EXPECT_LE(datei.count(QByteArrayLiteral("Uhr: 1a")), 2100 / 27 + 1);
}

TEST(DateiRundreise, SchluesselstartKommtAusDemGeneratorMitTag03)
{
    TSprechtag tag;
    FuelleReichenTag(tag);
    TZufall erwartet;
    const quint32 k = 30000 + erwartet.ZufallsZahl(1000);
    const QByteArray mit = Datei::SpeichereInBytes(tag, Inhalt::Alles);
    EXPECT_EQ(tag.Zufall.Seed(), erwartet.Seed());
    QByteArray tag03;
    TWertSchreiber(tag03).Int(qint32(k));
    EXPECT_EQ(tag03[0], Tag::Int16);
    EXPECT_EQ(mit, DateiSchreiber::Schreibe(tag, Inhalt::Alles, qint32(k)));
    // Without plans nothing is drawn.
    Datei::SpeichereInBytes(tag, Inhalt::OhnePlaene);
    EXPECT_EQ(tag.Zufall.Seed(), erwartet.Seed());
}

} // namespace
