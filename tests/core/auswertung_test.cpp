// The statistics of a computation counted on another thread: the same texts, figures and
// reasons as when they are counted at once, taken from the day as the run ended, and
// never arriving over texts that replaced them.
#include "datei_hilfen.h"
#include "tag_felder.h"

#include "auswertung/hintergrund.h"
#include "beispiel/beispieltag.h"
#include "berechnung/fortschritt.h"
#include "berechnung/statistik.h"
#include "berechnung/zeitplanrechner.h"
#include "optimierung/gruende.h"

#include <QPromise>
#include <gtest/gtest.h>

namespace {

TBeispielVorgaben Vorgaben()
{
    // Overbooked, with siblings, refusals and attendance limits, so that every kind of
    // line and reason occurs.
    TBeispielVorgaben v;
    v.eltern = 400;
    v.lehrer = 25;
    v.geschwisterProzent = 30;
    v.ablehnungenProzent = 10;
    v.grenzenProzent = 30;
    return v;
}

/// Computes with the statistics handed to another thread; returns the window's figures.
QFuture<TPlanAuswertung> RechneImHintergrund(TSprechtag& tag)
{
    TStillerFortschritt still;
    QFuture<TPlanAuswertung> auswertung;
    BerechneZeitplaene(tag, still, {}, [&auswertung](TSprechtag& t, TStatistikTexte texte) {
        auswertung = WerteImHintergrundAus(t, std::move(texte));
    });
    return auswertung;
}

TEST(Auswertung, ImHintergrundGleichWieSofortUndVomTagBeimEndeDesLaufs)
{
    TSprechtag sofort, hintergrund;
    FuelleBeispieltag(sofort, Vorgaben());
    FuelleBeispieltag(hintergrund, Vorgaben());
    TStillerFortschritt still;
    BerechneZeitplaene(sofort, still);
    const QByteArray dateiSofort = DateiTest::Abbild(sofort);
    const TPlanKennzahlen kennSofort = BerechnePlanKennzahlen(sofort);
    const QStringList gruendeSofort = ErklaereNichtErfuellte(sofort);
    ASSERT_GT(sofort.Statistik().NichtErtBox.size(), 100);
    ASSERT_TRUE(gruendeSofort.filter(QStringLiteral(": von der Lehrkraft abgelehnt")).size() > 0);

    QFuture<TPlanAuswertung> f = RechneImHintergrund(hintergrund);
    // Edits right after the run must not reach what is being counted.
    for (qsizetype i = 0; i < hintergrund.Eltern.Anzahl(); ++i)
        hintergrund.Eltern.Record(i).Zeitplan.Leeren();
    for (qsizetype i = 0; i < hintergrund.Lehrer.Anzahl(); ++i)
        hintergrund.Lehrer.Record(i).Ablehnungen.clear();
    EXPECT_EQ(TagFelder::Einstellungen(hintergrund), TagFelder::Einstellungen(sofort));

    // Saving right after the run waits for the texts.
    TSprechtag gespeichert;
    FuelleBeispieltag(gespeichert, Vorgaben());
    RechneImHintergrund(gespeichert);
    EXPECT_EQ(DateiTest::Abbild(gespeichert), dateiSofort);

    const TPlanAuswertung a = f.result();
    EXPECT_EQ(a.Gruende, gruendeSofort);
    EXPECT_EQ(a.Kennzahlen.Termine, kennSofort.Termine);
    EXPECT_EQ(a.Kennzahlen.OhneTermin, kennSofort.OhneTermin);
    EXPECT_EQ(a.Kennzahlen.FamilienMitWartezeit, kennSofort.FamilienMitWartezeit);
    EXPECT_EQ(a.Kennzahlen.WarteMedian, kennSofort.WarteMedian);
    EXPECT_EQ(a.Kennzahlen.WarteP90, kennSofort.WarteP90);
    EXPECT_EQ(a.Kennzahlen.WarteMax, kennSofort.WarteMax);
    EXPECT_EQ(a.Kennzahlen.WarteSlots, kennSofort.WarteSlots);
}

TEST(Auswertung, NeuereTexteGehenVorUndFehlendeLassenDieAlten)
{
    TStatistikTexte alt, spaet, neu;
    alt.NichtErtBox = {QStringLiteral("alt")};
    spaet.NichtErtBox = {QStringLiteral("spät")};
    neu.NichtErtBox = {QStringLiteral("neu")};

    struct Fall {
        const char* was;
        bool ersetzen;     ///< texts set while the counting runs (a loaded file)
        bool liefern;      ///< the counting gives a result
        const char* erwartet;
    } faelle[] = {
        {"delivered", false, true, "spät"},
        {"replaced before delivery", true, true, "neu"},
        {"replaced, never delivered", true, false, "neu"},
        {"never delivered", false, false, "alt"},
    };
    for (const Fall& fall : faelle) {
        TSprechtag tag;
        tag.StatistikSetzen(alt);
        {
            QPromise<TStatistikTexte> p;
            p.start();
            tag.StatistikSpaeter(p.future());
            if (fall.ersetzen)
                tag.StatistikSetzen(neu);
            if (fall.liefern)
                p.addResult(spaet);
            p.finish();
        }
        EXPECT_EQ(tag.Statistik().NichtErtBox, QStringList{QString::fromUtf8(fall.erwartet)}) << fall.was;
        EXPECT_EQ(tag.StatistikAendern().NichtErtBox, QStringList{QString::fromUtf8(fall.erwartet)}) << fall.was;
    }
}

TEST(Auswertung, AbbildHatJedesFeldUndEigeneEinstellungen)
{
    TSprechtag tag;
    DateiTest::FuelleReichenTag(tag);
    tag.Zufall.SetSeed(4711);
    tag.Lehrer.Record(0).AnzErteilt = 3;
    tag.Eltern.Record(0).Erteilt = {QStringLiteral("Müller (R101)")};
    const std::unique_ptr<TSprechtag> k = tag.Abbild();
    EXPECT_EQ(TagFelder::Unterschiede(tag, *k), QStringList());
    EXPECT_EQ(DateiTest::Abbild(*k), DateiTest::Abbild(tag));
    EXPECT_EQ(k->Lehrer.Record(0).AnzErteilt, 3);
    EXPECT_EQ(k->Eltern.Record(0).Erteilt, tag.Eltern.Record(0).Erteilt);
    EXPECT_NE(k->Lehrer.Suche(QStringLiteral("MÜLLER (r101)")), nullptr) << "the copy finds names as the day does";

    // The copy's breaks follow the copy's settings, and the copy is the copy's alone.
    const int bis = tag.Pausen.back()->SlotBis();
    k->SetSprechTakt(5);
    k->BerechnePausenSlots();
    k->Eltern.Record(0).Sprechwuensche.clear();
    EXPECT_NE(k->Pausen.back()->SlotBis(), bis);
    EXPECT_EQ(tag.Pausen.back()->SlotBis(), bis);
    EXPECT_FALSE(tag.Eltern.Record(0).Sprechwuensche.isEmpty());
}

} // namespace
