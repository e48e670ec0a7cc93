// The rules of the timetable computation on small fixtures and on generated days.
#include "berechnung_hilfen.h"

#include "beispiel/beispieltag.h"
#include "raster/tagesraster.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Adler (R1)");
const QString B = QStringLiteral("Berg (R2)");

TEST(BerechnungRegeln, OhneLehrerOderElternAendertSichNichts)
{
    TSprechtag tag;
    EXPECT_EQ(BerechnungsHindernis(tag), QStringLiteral("Sie müssen zuerst Lehrer und Eltern eingeben!"));
    Lehrer(tag, A);
    EXPECT_FALSE(BerechnungsHindernis(tag).isEmpty());
    tag.AlsGespeichertMarkieren();
    const TBerechnungsErgebnis r = Rechne(tag);
    EXPECT_EQ(r.Bewilligt, 0);
    EXPECT_EQ(tag.Zufall.Seed(), 0u);
    EXPECT_FALSE(tag.PlaeneGueltig);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    EXPECT_TRUE(tag.Lehrer.Suche(A)->Zeitplan.isEmpty());

    Eltern(tag, QStringLiteral("5a: Kurz"));
    EXPECT_TRUE(BerechnungsHindernis(tag).isEmpty());
    Rechne(tag);
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
}

TEST(BerechnungRegeln, ErsterLaufIstReproduzierbarFolgelaeufeZiehenWeiter)
{
    TBeispielVorgaben v;
    v.eltern = 120;
    v.lehrer = 15;
    v.geschwisterProzent = 30;
    TSprechtag erster, zweiter;
    FuelleBeispieltag(erster, v);
    FuelleBeispieltag(zweiter, v);
    Rechne(erster);
    Rechne(zweiter);
    EXPECT_EQ(AllePlaene(erster), AllePlaene(zweiter));
    EXPECT_EQ(erster.Statistik().Texte, zweiter.Statistik().Texte);

    // A second run in the same program run continues the sequence instead of starting over.
    const quint32 seedNachErstemLauf = erster.Zufall.Seed();
    Rechne(erster);
    EXPECT_NE(erster.Zufall.Seed(), seedNachErstemLauf);
    EXPECT_NE(AllePlaene(erster), AllePlaene(zweiter));
}

TEST(BerechnungRegeln, KapazitaetDreiBeiFuenfWuenschen)
{
    // 15:00-15:30 with 10-minute slots: three slots. Entries earlier in the list are
    // served first within a pass; once the three are granted nobody else gets one, not
    // even in the two later passes that the three requests of "9a: Viel" cause.
    TSprechtag tag;
    Rahmen(tag, 15, 0, 15, 30, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, A);
    const QStringList andere = {QStringLiteral("X1"), QStringLiteral("X2"), QStringLiteral("X3")};
    for (const QString& x : andere)
        Lehrer(tag, x);
    for (const char* name : {"1a: Eins", "2a: Zwei", "3a: Drei", "4a: Vier", "5a: Fünf"})
        Eltern(tag, QString::fromUtf8(name), {A});
    Eltern(tag, QStringLiteral("9a: Viel"), andere);
    ASSERT_EQ(Raster::FreieSlots(tag, *tag.Lehrer.Suche(A)), 3);

    const TBerechnungsErgebnis r = Rechne(tag);
    EXPECT_EQ(r.MaxWuensche, 3);
    EXPECT_EQ(r.Bewilligt, 6);
    EXPECT_EQ(tag.Lehrer.Suche(A)->AnzErteilt, 3);
    EXPECT_EQ(tag.Lehrer.Suche(A)->Zeitplan.size(), 3);
    for (const char* name : {"1a: Eins", "2a: Zwei", "3a: Drei"})
        EXPECT_EQ(tag.Eltern.Suche(QString::fromUtf8(name))->Erteilt, QStringList{A}) << name;
    for (const char* name : {"4a: Vier", "5a: Fünf"})
        EXPECT_TRUE(tag.Eltern.Suche(QString::fromUtf8(name))->Erteilt.isEmpty()) << name;
    EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::Zeitmangel], QStringLiteral("2"));
}

TEST(BerechnungRegeln, AbgelehnteWuenscheWerdenNieErteilt)
{
    TBeispielVorgaben v;
    v.eltern = 200;
    v.lehrer = 12;
    v.ablehnungenProzent = 30;
    TSprechtag tag;
    FuelleBeispieltag(tag, v);
    Rechne(tag);
    int ablehnungen = 0;
    for (const auto& l : tag.Lehrer) {
        for (const QString& abgelehnt : l.record->Ablehnungen) {
            ++ablehnungen;
            const TEltern* e = tag.Eltern.Suche(abgelehnt);
            EXPECT_FALSE(e->Erteilt.contains(l.name)) << abgelehnt.toStdString();
            for (const QString& zeile : l.record->Zeitplan)
                EXPECT_NE(zeile.mid(11), abgelehnt);
        }
    }
    EXPECT_GT(ablehnungen, 50);
}

TEST(BerechnungRegeln, DerselbeLehrerZweimalGewuenschtWirdEinmalErteilt)
{
    TSprechtag tag;
    Lehrer(tag, A);
    // The second spelling differs in case only: it names the same teacher.
    Eltern(tag, QStringLiteral("5a: Doppelt"), {A, A, A.toUpper()});
    const TBerechnungsErgebnis r = Rechne(tag);
    EXPECT_EQ(r.MaxWuensche, 3);
    EXPECT_EQ(r.Bewilligt, 1);
    EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5a: Doppelt"))->Erteilt, QStringList{A});
    EXPECT_EQ(tag.Lehrer.Suche(A)->Zeitplan.size(), 1);
}

TEST(BerechnungRegeln, GeschwisterUeberschneidenSichNieUndTragenEinanderEin)
{
    TBeispielVorgaben v;
    v.eltern = 300;
    v.lehrer = 20;
    v.geschwisterProzent = 40;
    TSprechtag tag;
    FuelleBeispieltag(tag, v);
    Rechne(tag);
    int paare = 0;
    for (const auto& e : tag.Eltern) {
        for (const QString& g : e.record->Geschwister) {
            const TEltern* s = tag.Eltern.Suche(g);
            for (const QString& zeile : e.record->Zeitplan) {
                if (zeile.mid(11).startsWith(u'['))
                    continue;
                ++paare;
                // The sibling holds the bracketed line at the same time and nothing else then.
                EXPECT_TRUE(s->Zeitplan.Liste().contains(zeile.left(11) + QStringLiteral("[ ") + zeile.mid(11)
                                                         + QStringLiteral(" ]")))
                    << g.toStdString() << " / " << zeile.toStdString();
                for (const QString& andere : s->Zeitplan) {
                    if (andere.left(11) == zeile.left(11)) {
                        EXPECT_TRUE(andere.mid(11).startsWith(u'[')) << andere.toStdString();
                    }
                }
            }
        }
        // At most one line per slot in every plan.
        QSet<QString> zeiten;
        for (const QString& zeile : e.record->Zeitplan) {
            EXPECT_FALSE(zeiten.contains(zeile.left(11))) << zeile.toStdString();
            zeiten.insert(zeile.left(11));
        }
    }
    EXPECT_GT(paare, 100);
}

TEST(BerechnungRegeln, RaumwechselpauseTrenntDieTermineEinerFamilie)
{
    for (const bool raumwechsel : {true, false}) {
        SCOPED_TRACE(raumwechsel ? "mit Raumwechselpause" : "ohne");
        TBeispielVorgaben v;
        v.eltern = 150;
        v.lehrer = 20;
        v.geschwisterProzent = 30;
        TSprechtag tag;
        FuelleBeispieltag(tag, v);
        tag.SetRaumwechselPause(raumwechsel);
        Rechne(tag);
        const int anz = Raster::AnzSlots(tag);
        int benachbart = 0;
        for (const auto& e : tag.Eltern) {
            // The plan holds the family's appointments: own lines and the siblings' marks.
            QSet<int> belegt;
            for (const QString& zeile : e.record->Zeitplan)
                belegt.insert(SlotVonZeile(tag, zeile));
            for (const int k : belegt)
                if (k + 1 <= anz && belegt.contains(k + 1))
                    ++benachbart;
        }
        if (raumwechsel)
            EXPECT_EQ(benachbart, 0);
        else
            EXPECT_GT(benachbart, 0);
    }
}

struct AnwesenheitsFall {
    const char* name;
    int startStd, startMin, takt;
    bool nichtVor;
    int grenzeStd, grenzeMin;
};

TEST(BerechnungRegeln, AnwesenheitsgrenzenGeltenGenauAufDerMinute)
{
    // Slot starts computed as k x slot length + start can lie one bit below the typed
    // limit (16:00 + 6 x 10 min against 17:00, 15:00 + 21 x 10 min against 18:30); the
    // comparison on the millisecond grid still gives the slot at the limit to "nicht vor"
    // and refuses it to "nicht nach".
    const AnwesenheitsFall faelle[] = {
        {"15-Minuten-Takt, nicht vor 17:30", 15, 0, 15, true, 17, 30},
        {"15-Minuten-Takt, nicht nach 17:30", 15, 0, 15, false, 17, 30},
        {"ab 16:00, nicht vor 17:00", 16, 0, 10, true, 17, 0},
        {"ab 16:00, nicht nach 17:00", 16, 0, 10, false, 17, 0},
        {"ab 15:00, nicht vor 18:30", 15, 0, 10, true, 18, 30},
        {"ab 15:00, nicht nach 18:30", 15, 0, 10, false, 18, 30},
        {"ab 14:30, nicht nach 15:30", 14, 30, 10, false, 15, 30},
    };
    for (const AnwesenheitsFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TSprechtag tag;
        Rahmen(tag, f.startStd, f.startMin, 20, 0, f.takt);
        Lehrer(tag, A);
        TEltern& e = Eltern(tag, QStringLiteral("5a: Grenze"), {A});
        const double grenze = Zeit::Kodiere(f.grenzeStd, f.grenzeMin);
        if (f.nichtVor) {
            e.NichtVor = true;
            e.NichtVorZeit = grenze;
        } else {
            e.NichtNach = true;
            e.NichtNachZeit = grenze;
        }
        TStillerFortschritt still;
        TZeitplanRechner r(tag, still);
        r.Vorbereiten();
        const int grenzMinute = f.grenzeStd * 60 + f.grenzeMin;
        for (int k = 0; k < Raster::AnzSlots(tag); ++k) {
            const int minute = f.startStd * 60 + f.startMin + k * f.takt;
            const bool erwartet = f.nichtVor ? minute >= grenzMinute : minute < grenzMinute;
            EXPECT_EQ(r.ElternFrei(0, k, true), erwartet) << "Slot " << k;
        }
    }
}

TEST(BerechnungRegeln, AnwesenheitsgrenzenImGanzenLauf)
{
    TSprechtag tag;
    Rahmen(tag, 15, 0, 18, 0, 10);
    tag.SetRaumwechselPause(false);
    QStringList alle;
    for (int i = 0; i < 6; ++i) {
        alle << QStringLiteral("L%1").arg(i);
        Lehrer(tag, alle.back());
    }
    TEltern& spaet = Eltern(tag, QStringLiteral("5a: Spät"), alle);
    spaet.NichtVor = true;
    spaet.NichtVorZeit = Zeit::Kodiere(17, 0);
    TEltern& frueh = Eltern(tag, QStringLiteral("5b: Früh"), alle);
    frueh.NichtNach = true;
    frueh.NichtNachZeit = Zeit::Kodiere(16, 0);
    Rechne(tag);
    ASSERT_EQ(spaet.Zeitplan.size(), 6);
    ASSERT_EQ(frueh.Zeitplan.size(), 6);
    for (const QString& z : spaet.Zeitplan)
        EXPECT_GE(z.left(5), QStringLiteral("17:00"));
    for (const QString& z : frueh.Zeitplan)
        EXPECT_LT(z.left(5), QStringLiteral("16:00"));
}

TEST(BerechnungRegeln, FreieTermineZeigenPausenUndBeginnenBeimErstenSlot)
{
    for (const bool freieZeigen : {true, false}) {
        SCOPED_TRACE(freieZeigen ? "mit freien Terminen" : "ohne");
        TSprechtag tag;
        Rahmen(tag, 15, 0, 16, 0, 10);
        Pause(tag, 15, 30, 10);
        tag.FreieTermineAnzeigen = freieZeigen;
        TLehrer& l = Lehrer(tag, A);
        l.AbweichZeit = true;
        l.StartZeit = Zeit::Kodiere(15, 20);
        l.EndZeit = Zeit::Kodiere(16, 0);
        Eltern(tag, QStringLiteral("5a: Eins"), {A});
        Rechne(tag);
        if (freieZeigen) {
            ASSERT_EQ(l.Zeitplan.size(), 4);
            EXPECT_TRUE(l.Zeitplan.at(0).startsWith(QStringLiteral("15:20 Uhr: ")));
            EXPECT_EQ(l.Zeitplan.at(1), QStringLiteral("15:30 Uhr: "));
            int belegt = 0;
            for (const QString& z : l.Zeitplan)
                belegt += z.size() > 11 ? 1 : 0;
            EXPECT_EQ(belegt, 1);
        } else {
            ASSERT_EQ(l.Zeitplan.size(), 1);
            EXPECT_EQ(l.Zeitplan.at(0).mid(11), QStringLiteral("5a: Eins"));
        }
    }
}

TEST(BerechnungRegeln, LehrerOhneKapazitaetBekommtNichts)
{
    struct Fall {
        const char* name;
        bool eigeneZeiten;
        bool pauseUeberAlles;
    };
    for (const Fall f : {Fall{"eigene Zeiten 16:00 bis 16:00", true, false}, Fall{"alles Pause", false, true}}) {
        SCOPED_TRACE(f.name);
        TSprechtag tag;
        Rahmen(tag, 15, 0, 16, 0, 10);
        TLehrer& l = Lehrer(tag, A);
        if (f.eigeneZeiten) {
            l.AbweichZeit = true;
            l.StartZeit = l.EndZeit = Zeit::Kodiere(16, 0);
        }
        if (f.pauseUeberAlles)
            Pause(tag, 15, 0, 60);
        ASSERT_EQ(Raster::FreieSlots(tag, l), 0);
        TLehrer& b = Lehrer(tag, B);
        b.AbweichZeit = true;
        b.StartZeit = Zeit::Kodiere(16, 0);
        b.EndZeit = Zeit::Kodiere(16, 30);
        Eltern(tag, QStringLiteral("5a: Eins"), {A, B});
        const TBerechnungsErgebnis r = Rechne(tag);
        EXPECT_EQ(l.AnzErteilt, 0);
        EXPECT_TRUE(l.Zeitplan.isEmpty());
        EXPECT_EQ(r.Bewilligt, 1);
        EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5a: Eins"))->Erteilt, QStringList{B});
    }
}

TEST(BerechnungRegeln, ElternOhneWuenscheZiehenTrotzdemZahlen)
{
    // Draws: the order (n = 2 and 1), the only pass (n = 1 for "5a", n = 0 for "6b"), the
    // start slot of the one request: five numbers in all.
    TSprechtag tag;
    Lehrer(tag, A);
    Eltern(tag, QStringLiteral("5a: Mit"), {A});
    TEltern& ohne = Eltern(tag, QStringLiteral("6b: Ohne"));
    Rechne(tag);
    TZufall erwartet;
    for (int i = 0; i < 5; ++i)
        erwartet.ZufallsZahl(1);
    EXPECT_EQ(tag.Zufall.Seed(), erwartet.Seed());
    EXPECT_TRUE(ohne.Zeitplan.isEmpty());
    EXPECT_TRUE(ohne.Erteilt.isEmpty());
}

TEST(BerechnungRegeln, SucheEndetAuchOhneGanzenSlotImTag)
{
    // Conference end not after its start: AnzSlots is 0 or negative, the teacher's own
    // hours still give slots. The search must end, book what fits and give up on the rest.
    for (const int endeMin : {0, 5, -30}) {
        SCOPED_TRACE(endeMin);
        TSprechtag tag;
        tag.SetSprechStart(Zeit::Kodiere(15, 0));
        tag.SetSprechEnde(Zeit::Kodiere(15, 0) + Zeit::Minuten(1) * endeMin);
        tag.SetSprechTakt(10);
        ASSERT_LE(Raster::AnzSlots(tag), 0);
        TLehrer& l = Lehrer(tag, A);
        l.AbweichZeit = true;
        l.StartZeit = Zeit::Kodiere(15, 0);
        l.EndZeit = Zeit::Kodiere(16, 0);
        Eltern(tag, QStringLiteral("5a: Eins"), {A});
        Eltern(tag, QStringLiteral("5b: Zwei"), {A});
        TEltern& nie = Eltern(tag, QStringLiteral("5c: Nie"), {A});
        nie.NichtNach = true;
        nie.NichtNachZeit = Zeit::Kodiere(14, 0);
        const TBerechnungsErgebnis r = Rechne(tag);
        EXPECT_EQ(r.Bewilligt, 3);
        EXPECT_GE(r.Vergeben, 1);
        EXPECT_TRUE(nie.Zeitplan.isEmpty());
        EXPECT_EQ(nie.Erteilt, QStringList{A});
    }
}

TEST(BerechnungRegeln, UnbekannteNamenWerdenUebersprungen)
{
    TSprechtag tag;
    Lehrer(tag, A);
    TEltern& e = Eltern(tag, QStringLiteral("5a: Eins"), {QStringLiteral("Niemand (R0)"), A});
    e.Geschwister.Hinzufuegen(QStringLiteral("9z: Gibt es nicht"));
    tag.Lehrer.Suche(A)->Ablehnungen.append(QStringLiteral("9z: Gibt es auch nicht"));
    const TBerechnungsErgebnis r = Rechne(tag);
    EXPECT_EQ(r.Bewilligt, 1);
    EXPECT_EQ(r.Vergeben, 1);
    EXPECT_EQ(e.Erteilt, QStringList{A});
}

} // namespace
