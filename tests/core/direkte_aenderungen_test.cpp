// Pages that change the day in one step mark it changed only when something changed.
#include "bearbeiten/direkte_aenderungen.h"
#include "berechnung_hilfen.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }
constexpr double ZwanzigSekunden = 20.0 / 86400.0;

struct Fall {
    const char* name;
    std::function<bool(TSprechtag&)> aendern;
    bool geaendert;
    std::function<void(const TSprechtag&)> pruefe;
};

TEST(DirekteAenderungen, NurEineEchteAenderungMachtDenTagUngesichert)
{
    const QStringList elternplan{S("15:00 Uhr: Abel (7)"), S("15:20 Uhr: [ Bauer (3) ]")};
    const Fall faelle[] = {
        {"Lehrerplan unverändert", [](TSprechtag& t) { return LehrerplanSetzen(t, S("Abel (7)"), {S("15:00 Uhr: 5a: Meier"), S("15:10 Uhr: ")}); }, false, {}},
        {"Lehrerplan mit neuer Zeile",
         [](TSprechtag& t) { return LehrerplanSetzen(t, S("Abel (7)"), {S("15:00 Uhr: 5a: Meier"), S("15:10 Uhr: 6b: Kurz")}); }, true,
         [](const TSprechtag& t) { EXPECT_EQ(t.Lehrer.Suche(S("Abel (7)"))->Zeitplan.at(1), S("15:10 Uhr: 6b: Kurz")); }},
        {"Lehrkraft gibt es nicht", [](TSprechtag& t) { return LehrerplanSetzen(t, S("Niemand"), {}); }, false, {}},
        {"Elternplan nur umgestellt und doppelt",
         [&](TSprechtag& t) { return ElternplanSetzen(t, S("5a: Meier"), {elternplan[1], elternplan[0], elternplan[0].toUpper()}); },
         false, {}},
        {"Elternplan mit gelöschter Zeile", [&](TSprechtag& t) { return ElternplanSetzen(t, S("5a: Meier"), {elternplan[1]}); }, true,
         [&](const TSprechtag& t) { EXPECT_EQ(t.Eltern.Suche(S("5a: Meier"))->Zeitplan.Liste(), QStringList{elternplan[1]}); }},
        {"Brief unverändert", [](TSprechtag& t) { return VorschauBriefSetzen(t, TVorschauEinstellungen::StandardBrief()); }, false, {}},
        {"Brief mit leerer letzter Zeile",
         [](TSprechtag& t) { return VorschauBriefSetzen(t, TVorschauEinstellungen::StandardBrief() << QString()); }, true,
         [](const TSprechtag& t) { EXPECT_TRUE(t.Vorschau.Brief.constLast().isEmpty()); }},
        {"Vorschau wie bisher", [](TSprechtag& t) {
             // Both are called, whatever the first one returns.
             const bool gewuenscht = VorschauGewuenschtSetzen(t, false);
             const bool fuerAlle = VorschauFuerAlleSetzen(t, false);
             return gewuenscht || fuerAlle;
         }, false, {}},
        {"Vorschau gewünscht", [](TSprechtag& t) { return VorschauGewuenschtSetzen(t, true); }, true,
         [](const TSprechtag& t) { EXPECT_TRUE(t.Vorschau.Gewuenscht); }},
        {"Vorschau für alle", [](TSprechtag& t) { return VorschauFuerAlleSetzen(t, true); }, true,
         [](const TSprechtag& t) { EXPECT_TRUE(t.Vorschau.FuerAlleLehrer); }},
        {"Planeinstellungen wie bisher", [](TSprechtag& t) { return PlanEinstellungenSetzen(t, TPlanEinstellungen{}, false); }, false, {}},
        {"Planeinstellungen mit Fußnote aus",
         [](TSprechtag& t) {
             TPlanEinstellungen p;
             p.Fussnote = false;
             return PlanEinstellungenSetzen(t, p, false);
         },
         true, [](const TSprechtag& t) { EXPECT_FALSE(t.Plan.Fussnote); }},
        {"freie Termine anzeigen", [](TSprechtag& t) { return PlanEinstellungenSetzen(t, TPlanEinstellungen{}, true); }, true,
         [](const TSprechtag& t) { EXPECT_TRUE(t.FreieTermineAnzeigen); }},
        {"Pause mit OK ohne Änderung", [](TSprechtag& t) { return PauseSetzen(t, *t.Pausen[0], S("16:00"), S("00:15")); }, false,
         [](const TSprechtag& t) { EXPECT_EQ(t.Pausen[0]->Start(), Zeit::Kodiere(16, 0) + ZwanzigSekunden); }},
        {"Pause anders geschrieben, gleiche Zeit", [](TSprechtag& t) { return PauseSetzen(t, *t.Pausen[0], S("16:00"), S("0:15")); }, false, {}},
        {"Pause später",
         [](TSprechtag& t) { return PauseSetzen(t, *t.Pausen[0], S("16:30"), S("00:15")); }, true,
         [](const TSprechtag& t) {
             EXPECT_EQ(t.Pausen[0]->Start(), Zeit::Kodiere(16, 30));
             EXPECT_EQ(t.Pausen[0]->Dauer(), Zeit::Kodiere(0, 15));
             EXPECT_EQ(t.Pausen[0]->SlotVon(), 9);
         }},
        {"Pause länger", [](TSprechtag& t) { return PauseSetzen(t, *t.Pausen[0], S("16:00"), S("00:25")); }, true,
         [](const TSprechtag& t) { EXPECT_EQ(t.Pausen[0]->Dauer(), Zeit::Kodiere(0, 25)); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TSprechtag tag;
        BerechnungTest::Rahmen(tag, 15, 0, 18, 0, 10);
        // A break read from a file may carry seconds that the dialog does not show.
        BerechnungTest::Pause(tag, 16, 0, 15).SetStart(Zeit::Kodiere(16, 0) + ZwanzigSekunden);
        BerechnungTest::Lehrer(tag, S("Abel (7)")).Zeitplan = {S("15:00 Uhr: 5a: Meier"), S("15:10 Uhr: ")};
        BerechnungTest::Lehrer(tag, S("Bauer (3)"));
        BerechnungTest::Eltern(tag, S("5a: Meier")).Zeitplan.Setze(elternplan);
        tag.AlsGespeichertMarkieren();

        EXPECT_EQ(f.aendern(tag), f.geaendert);
        EXPECT_EQ(tag.UngespeicherteAenderungen(), f.geaendert);
        if (f.pruefe)
            f.pruefe(tag);
    }
}

} // namespace
