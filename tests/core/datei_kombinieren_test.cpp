// Loading into a day that already holds data: "Ersetzen" and "Hinzufügen", the load
// question, the timetable flag and what counts as saved afterwards.
#include "datei_hilfen.h"

#include <gtest/gtest.h>

using namespace DateiTest;

namespace {

QByteArray ReicheDatei()
{
    TSprechtag quelle;
    FuelleReichenTag(quelle);
    return DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30123);
}

TEST(DateiKombinieren, ZweimalGeladenErgibtKeineDoppelten)
{
    const QByteArray datei = ReicheDatei();
    TSprechtag tag;
    ASSERT_TRUE(Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen).ok());
    const QByteArray einmal = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 1);
    ASSERT_TRUE(Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(DateiSchreiber::Schreibe(tag, Inhalt::Alles, 1), einmal);
    EXPECT_TRUE(tag.UngespeicherteAenderungen()); // the second load combined two days
}

TEST(DateiKombinieren, RegelnJeEintrag)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("MÜLLER (R101)"));
    tag.LehrerUebernehmen(QStringLiteral("Zander"));
    tag.ElternUebernehmen(QStringLiteral("5A: GROß"));
    tag.ElternUebernehmen(QStringLiteral("9z: Eigen"));
    TLehrer& m = *tag.Lehrer.Suche(QStringLiteral("Müller (R101)"));
    m.Ablehnungen = {QStringLiteral("7D: ÜBEL"), QStringLiteral("9z: Eigen")};
    m.Zeitplan = {QStringLiteral("alte Zeile")};
    tag.Lehrer.Suche(QStringLiteral("Zander"))->Zeitplan = {QStringLiteral("bleibt")};
    TEltern& g = *tag.Eltern.Suche(QStringLiteral("5a: Groß"));
    g.Sprechwuensche = {QStringLiteral("Zander"), QStringLiteral("müller (r101)")};
    g.Geschwister.Hinzufuegen(QStringLiteral("9z: Eigen"));
    g.Zeitplan.Setze({QStringLiteral("15:00 Uhr: Zander")});
    tag.NeuePause();
    tag.NeuePause();
    tag.NeuePause();

    ASSERT_TRUE(Datei::LadeAusBytes(tag, ReicheDatei(), TLadeModus::Hinzufuegen).ok());

    // Existing records keep their spelling; new names come in.
    EXPECT_EQ(tag.Lehrer.Namen().first(), QStringLiteral("Ärger (Aula)"));
    EXPECT_TRUE(tag.Lehrer.Namen().contains(QStringLiteral("MÜLLER (R101)")));
    EXPECT_EQ(tag.Lehrer.Anzahl(), 5);
    EXPECT_EQ(tag.Eltern.Anzahl(), 5);
    // Hours and settings of the file overwrite.
    EXPECT_TRUE(m.AbweichZeit);
    EXPECT_EQ(m.StartZeit, Zeit::Kodiere(16, 0));
    EXPECT_EQ(tag.Vorgaben.SprechTakt, 15);
    ASSERT_EQ(tag.Pausen.size(), 2u);
    EXPECT_EQ(tag.Pausen[1]->Start(), Zeit::Kodiere(16, 5));
    // Lists gain only what they lack, ignoring case.
    EXPECT_EQ(m.Ablehnungen, (QStringList{QStringLiteral("7D: ÜBEL"), QStringLiteral("9z: Eigen"), QStringLiteral("6c: Weiß")}));
    EXPECT_EQ(g.Sprechwuensche, (QStringList{QStringLiteral("Zander"), QStringLiteral("müller (r101)"), QStringLiteral("Özdemir (R7)")}));
    EXPECT_EQ(g.Geschwister.Liste(), (QStringList{QStringLiteral("5b: Groß"), QStringLiteral("9z: Eigen")}));
    EXPECT_TRUE(g.NichtVor);
    EXPECT_EQ(g.NichtVorZeit, Zeit::Kodiere(15, 20));
    // A record named in the file's plans gets the file's lines; others keep theirs.
    EXPECT_EQ(m.Zeitplan, (QStringList{QStringLiteral("16:00 Uhr: 5a: Groß"), QStringLiteral("16:15 Uhr: ")}));
    EXPECT_EQ(g.Zeitplan.Liste(), (QStringList{QStringLiteral("15:30 Uhr: [ Ärger (Aula) ]"), QStringLiteral("16:00 Uhr: Müller (R101)")}));
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Zander"))->Zeitplan, QStringList{QStringLiteral("bleibt")});
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_EQ(tag.Plan.Headline2, QStringLiteral("Elternsprechtag am 12.02."));
    EXPECT_EQ(tag.Statistik().NichtErtBox, QStringList{QStringLiteral("6c: Weiß - Müller (R101)")});
}

TEST(DateiKombinieren, NiemandIstSeinEigenesGeschwister)
{
    TDatei d(9, Inhalt::Eltern);
    d.Int(1).Text(QStringLiteral("1a: A")).Liste({QStringLiteral("1A: a"), QStringLiteral("1b: A")}).Bool(false);
    TSprechtag tag;
    ASSERT_TRUE(Datei::LadeAusBytes(tag, d.Bytes(), TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(tag.Eltern.Record(0).Geschwister.Liste(), QStringList{QStringLiteral("1b: A")});
}

TEST(DateiKombinieren, ErsetzenRaeumtDieListenUndBehaeltDieEinstellungen)
{
    TSprechtag tag;
    FuelleReichenTag(tag);
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("Neu"));
    quelle.ElternUebernehmen(QStringLiteral("1a: Neu"));
    const QByteArray nurListen = DateiSchreiber::Schreibe(quelle, Inhalt::Lehrer | Inhalt::Eltern, 0);

    ASSERT_TRUE(Datei::LadeAusBytes(tag, nurListen, TLadeModus::Ersetzen).ok());
    EXPECT_EQ(tag.Lehrer.Namen(), QStringList{QStringLiteral("Neu")});
    EXPECT_EQ(tag.Eltern.Namen(), QStringList{QStringLiteral("1a: Neu")});
    EXPECT_TRUE(tag.Eltern.Record(0).Zeitplan.isEmpty());
    EXPECT_EQ(tag.Vorgaben.SprechTakt, 15); // not in the file: stays
    EXPECT_EQ(tag.Pausen.size(), 2u);
    EXPECT_EQ(tag.Plan.Headline2, QStringLiteral("Elternsprechtag am 12.02."));
    EXPECT_FALSE(tag.PlaeneGueltig); // the plans went with their records
    EXPECT_FALSE(tag.FreieTermineAnzeigen); // the final boolean is always there
}

TEST(DateiKombinieren, HinzufuegenOhnePlaeneLaesstDieGueltigkeit)
{
    TSprechtag tag;
    FuelleReichenTag(tag);
    TSprechtag quelle;
    quelle.ElternUebernehmen(QStringLiteral("1a: Neu"));
    ASSERT_TRUE(Datei::LadeAusBytes(tag, DateiSchreiber::Schreibe(quelle, Inhalt::Eltern, 0), TLadeModus::Hinzufuegen).ok());
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_EQ(tag.Eltern.Anzahl(), 5);
}

TEST(DateiKombinieren, LadeFrage)
{
    TSprechtag leer, mitLehrer, mitEltern;
    mitLehrer.LehrerUebernehmen(QStringLiteral("L"));
    mitEltern.ElternUebernehmen(QStringLiteral("E"));
    const struct {
        const TSprechtag* tag;
        int maske;
        bool frage;
    } faelle[] = {
        {&leer, Inhalt::Alles, false},
        {&mitLehrer, Inhalt::Lehrer, true},
        {&mitLehrer, Inhalt::Eltern, true},
        {&mitEltern, Inhalt::Lehrer, true},
        {&mitLehrer, Inhalt::Preview, false},
        {&mitEltern, Inhalt::Preview | Inhalt::Vorgaben, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Datei::LadeFrageNoetig(*f.tag, f.maske), f.frage) << f.maske;
}

TEST(DateiKombinieren, WasNachDemLadenAlsGespeichertGilt)
{
    const QByteArray voll = ReicheDatei();
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("Neu"));
    const QByteArray teil = DateiSchreiber::Schreibe(quelle, Inhalt::Lehrer, 0);

    { // into an empty day: the day is the file
        TSprechtag tag;
        ASSERT_TRUE(Datei::LadeAusBytes(tag, voll, TLadeModus::Hinzufuegen).ok());
        EXPECT_FALSE(tag.UngespeicherteAenderungen());
    }
    { // combined with a day that has names: exists nowhere on disk
        TSprechtag tag;
        tag.LehrerUebernehmen(QStringLiteral("Alt"));
        tag.AlsGespeichertMarkieren();
        ASSERT_TRUE(Datei::LadeAusBytes(tag, teil, TLadeModus::Hinzufuegen).ok());
        EXPECT_TRUE(tag.UngespeicherteAenderungen());
    }
    { // replaced by a file with every section
        TSprechtag tag;
        FuelleReichenTag(tag);
        ASSERT_TRUE(Datei::LadeAusBytes(tag, voll, TLadeModus::Ersetzen).ok());
        EXPECT_FALSE(tag.UngespeicherteAenderungen());
    }
    { // unsaved settings survive a load that brings only names
        TSprechtag tag;
        tag.SetSprechTakt(20);
        ASSERT_TRUE(Datei::LadeAusBytes(tag, teil, TLadeModus::Hinzufuegen).ok());
        EXPECT_TRUE(tag.UngespeicherteAenderungen());
    }
    { // a failed load changes nothing, the flag included
        TSprechtag tag;
        FuelleReichenTag(tag);
        tag.AlsGespeichertMarkieren();
        EXPECT_FALSE(Datei::LadeAusBytes(tag, voll.left(100), TLadeModus::Ersetzen).ok());
        EXPECT_FALSE(tag.UngespeicherteAenderungen());
    }
}

} // namespace
