#include "aufzeichnung.h"

#include "druckauftrag.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A small planned day: every teacher and parent entry has one appointment unless the
// test takes it away.
class Druckauftrag : public ::testing::Test {
protected:
    void Fuelle(int lehrer, int eltern)
    {
        for (int l = 0; l < lehrer; ++l) {
            const QString ln = QStringLiteral("Lehrer %1").arg(QChar(u'A' + l));
            tag.LehrerUebernehmen(ln);
        }
        for (int e = 0; e < eltern; ++e) {
            const QString en = QStringLiteral("5a: Eltern %1").arg(e + 1);
            tag.ElternUebernehmen(en);
            const QString ln = tag.Lehrer.Name(e % lehrer);
            TEltern* r = tag.Eltern.Suche(en);
            r->Sprechwuensche.append(ln);
            r->Zeitplan.Hinzufuegen(QStringLiteral("15:%1 Uhr: %2").arg(e * 10, 2, 10, QLatin1Char('0')).arg(ln));
            tag.Lehrer.Suche(ln)->Zeitplan.append(QStringLiteral("15:%1 Uhr: %2").arg(e * 10, 2, 10, QLatin1Char('0')).arg(en));
        }
        tag.PlaeneGueltig = true;
    }

    std::vector<TPlanAuftrag> Auftrag() const { return PlaneDruckauftrag(tag, opt); }
    TPlanTexte Texte() const { return TPlanTexte::Aus(tag.Plan, QString()); }
    int Seiten() const { return AnzahlSeiten(Auftrag(), Texte()); }

    /// Pages as the painter sees them, to make sure drawing follows the plan.
    int GezeichneteSeiten() const
    {
        TAufzeichnung geraet;
        QPainter maler(&geraet);
        DruckePlaene(maler, [&geraet] { return geraet.NeueSeite(); }, Auftrag(), Texte());
        maler.end();
        return geraet.seite + 1;
    }

    TSprechtag tag;
    TDruckOptionen opt;
};

TEST_F(Druckauftrag, StandardDreiLehrerSechsElternFuenfBlaetter)
{
    Fuelle(3, 6);
    const auto auftrag = Auftrag();
    ASSERT_EQ(auftrag.size(), 9u);
    EXPECT_EQ(auftrag[0].name, QStringLiteral("Lehrer A"));
    EXPECT_TRUE(auftrag[0].erster);
    EXPECT_FALSE(auftrag[1].erster);
    EXPECT_FALSE(auftrag[0].a6);
    EXPECT_FALSE(auftrag[0].mitEinleitung);
    EXPECT_TRUE(auftrag[3].abschnittswechsel);
    EXPECT_TRUE(auftrag[3].erster);
    EXPECT_TRUE(auftrag[3].a6);
    EXPECT_TRUE(auftrag[3].mitEinleitung);

    const auto plaetze = Seitenplan(auftrag, Texte());
    std::vector<std::pair<int, int>> seiteViertel;
    for (const auto& p : plaetze)
        seiteViertel.emplace_back(p.seite, p.viertel);
    EXPECT_EQ(seiteViertel, (std::vector<std::pair<int, int>>{
                                {0, -1}, {1, -1}, {2, -1}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {4, 0}, {4, 1}}));
    EXPECT_TRUE(plaetze[3].schnittlinien);
    EXPECT_FALSE(plaetze[4].schnittlinien);
    EXPECT_TRUE(plaetze[7].schnittlinien);
    EXPECT_EQ(Seiten(), 5);
    EXPECT_EQ(GezeichneteSeiten(), 5);
}

TEST_F(Druckauftrag, BeideA6)
{
    struct Fall {
        int lehrer, seiten, elternBeginnenAuf;
    };
    for (const Fall f : {Fall{5, 3, 2}, Fall{4, 2, 1}}) {
        tag.Lehrer.Leeren();
        tag.Eltern.Leeren();
        Fuelle(f.lehrer, 1);
        for (const auto& l : tag.Lehrer)
            l.record->Zeitplan = {QStringLiteral("15:00 Uhr: x")};
        tag.Plan.LehrerFmt = TPlanEinstellungen::FormatA6;
        const auto plaetze = Seitenplan(Auftrag(), Texte());
        ASSERT_EQ(int(plaetze.size()), f.lehrer + 1);
        EXPECT_EQ(plaetze.back().seite, f.elternBeginnenAuf) << f.lehrer;
        EXPECT_EQ(plaetze.back().viertel, 0);
        EXPECT_TRUE(plaetze.back().schnittlinien);
        EXPECT_EQ(Seiten(), f.seiten) << f.lehrer;
        EXPECT_EQ(GezeichneteSeiten(), f.seiten) << f.lehrer;
    }
}

TEST_F(Druckauftrag, LehrerA6ElternA4OhneLeeresBlatt)
{
    Fuelle(2, 2);
    tag.Plan.LehrerFmt = TPlanEinstellungen::FormatA6;
    tag.Plan.ElternFmt = TPlanEinstellungen::FormatA4;
    const auto plaetze = Seitenplan(Auftrag(), Texte());
    ASSERT_EQ(plaetze.size(), 4u);
    EXPECT_EQ(plaetze[2].seite, 1);
    EXPECT_EQ(plaetze[3].seite, 2);
    EXPECT_EQ(GezeichneteSeiten(), 3);
}

TEST_F(Druckauftrag, AlleLehrerWeggelassenElternAufErstemBlatt)
{
    Fuelle(3, 2);
    for (const auto& l : tag.Lehrer)
        l.record->Zeitplan.clear();
    const auto plaetze = Seitenplan(Auftrag(), Texte());
    ASSERT_EQ(plaetze.size(), 2u);
    EXPECT_EQ(plaetze[0].seite, 0);
    EXPECT_EQ(plaetze[0].viertel, 0);
    EXPECT_EQ(GezeichneteSeiten(), 1);
}

TEST_F(Druckauftrag, Weglassregeln)
{
    Fuelle(2, 4);
    tag.Lehrer.Record(1).Zeitplan.clear();
    tag.Lehrer.Record(1).Zeitplan.append(QStringLiteral("15:00 Uhr: ")); // a free slot line counts
    tag.Eltern.Record(0).Sprechwuensche.clear();                           // no request
    tag.Eltern.Record(1).Zeitplan.Leeren();                                // request, no appointment
    auto namen = [&] {
        QStringList n;
        for (const auto& a : Auftrag())
            n.append(a.name);
        return n;
    };
    EXPECT_EQ(namen(), (QStringList{"Lehrer A", "Lehrer B", "5a: Eltern 2", "5a: Eltern 3", "5a: Eltern 4"}));
    // The first family skipped: the parents' section still starts on a sheet of its own
    // with the first quarter, whatever the formats (sheet, quarter; -1 on DIN A4).
    struct Format {
        int lehrer, eltern;
        std::vector<std::pair<int, int>> plan;
        int blaetter;
    };
    const int a4 = TPlanEinstellungen::FormatA4, a6 = TPlanEinstellungen::FormatA6;
    for (const Format& f : {Format{a4, a6, {{0, -1}, {1, -1}, {2, 0}, {2, 1}, {2, 2}}, 3},
                            Format{a6, a6, {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}}, 2},
                            Format{a6, a4, {{0, 0}, {0, 1}, {1, -1}, {2, -1}, {3, -1}}, 4}}) {
        SCOPED_TRACE(testing::Message() << "Lehrer " << f.lehrer << ", Eltern " << f.eltern);
        tag.Plan.LehrerFmt = f.lehrer;
        tag.Plan.ElternFmt = f.eltern;
        const auto auftrag = Auftrag();
        ASSERT_EQ(auftrag.size(), 5u);
        EXPECT_TRUE(auftrag[2].abschnittswechsel);
        EXPECT_TRUE(auftrag[2].erster);
        EXPECT_FALSE(auftrag[3].abschnittswechsel);
        std::vector<std::pair<int, int>> plan;
        for (const TBoxPlatz& p : Seitenplan(auftrag, Texte()))
            plan.emplace_back(p.seite, p.viertel);
        EXPECT_EQ(plan, f.plan);
        EXPECT_EQ(Seiten(), f.blaetter);
        EXPECT_EQ(GezeichneteSeiten(), f.blaetter);
    }
    tag.Plan = TPlanEinstellungen{};
    opt.SkipElternOhneTerm = true;
    opt.SkipElternOhneWunsch = false;
    EXPECT_EQ(namen(), (QStringList{"Lehrer A", "Lehrer B", "5a: Eltern 1", "5a: Eltern 3", "5a: Eltern 4"}));
    tag.Lehrer.Record(0).Zeitplan.clear();
    opt.umfang = TDruckOptionen::Umfang::AlleLehrer;
    EXPECT_EQ(namen(), (QStringList{"Lehrer B"}));
    opt.SkipLehrerOhneTerm = false;
    EXPECT_EQ(namen(), (QStringList{"Lehrer A", "Lehrer B"}));
    opt.umfang = TDruckOptionen::Umfang::AlleEltern;
    const auto a = Auftrag();
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a[0].erster);
    EXPECT_FALSE(a[0].abschnittswechsel);
}

TEST_F(Druckauftrag, AusgewaehlteZeitplaene)
{
    Fuelle(3, 4);
    opt.umfang = TDruckOptionen::Umfang::Ausgewaehlte;
    opt.AuswahlEltern = true;
    // Selection order does not matter, teachers' names on the other page do not count.
    opt.Auswahl = {QStringLiteral("5a: Eltern 3"), QStringLiteral("Lehrer A"), QStringLiteral("5a: Eltern 1")};
    auto a = Auftrag();
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].name, QStringLiteral("5a: Eltern 1"));
    EXPECT_TRUE(a[0].erster);
    EXPECT_TRUE(a[0].mitEinleitung);
    EXPECT_EQ(a[1].name, QStringLiteral("5a: Eltern 3"));
    EXPECT_FALSE(a[1].erster);

    opt.AuswahlEltern = false;
    a = Auftrag();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].name, QStringLiteral("Lehrer A"));

    opt.Auswahl.clear();
    EXPECT_TRUE(Auftrag().empty());
    EXPECT_EQ(Seiten(), 1);
    EXPECT_EQ(GezeichneteSeiten(), 1);
}

TEST_F(Druckauftrag, KeineLeereSeiteWennAlleElternWegfallen)
{
    Fuelle(2, 2);
    for (const auto& e : tag.Eltern)
        e.record->Sprechwuensche.clear();
    EXPECT_EQ(Seiten(), 2);
    EXPECT_EQ(GezeichneteSeiten(), 2);
}

TEST_F(Druckauftrag, FortsetzungenNehmenEigeneSeitenUndViertel)
{
    Fuelle(2, 2);
    for (int i = 0; i < 90; ++i)
        tag.Lehrer.Record(0).Zeitplan.append(QStringLiteral("16:00 Uhr: x%1").arg(i));
    for (int i = 0; i < 14; ++i)
        tag.Eltern.Record(0).Zeitplan.Hinzufuegen(QStringLiteral("17:%1 Uhr: y").arg(i, 2, 10, QLatin1Char('0')));
    const auto plaetze = Seitenplan(Auftrag(), Texte());
    ASSERT_EQ(plaetze.size(), 6u);
    EXPECT_EQ(plaetze[1].box, 1);
    EXPECT_EQ(plaetze[1].seite, 1);
    EXPECT_EQ(plaetze[2].seite, 2);
    EXPECT_EQ(plaetze[4].box, 1);
    EXPECT_EQ(plaetze[4].viertel, 1);
    EXPECT_EQ(plaetze[5].viertel, 2);
    EXPECT_EQ(GezeichneteSeiten(), 4);
}

// The job reports before the first plan and after each one; a "no" stops it at once,
// with nothing of the later plans drawn.
TEST_F(Druckauftrag, FortschrittUndAbbruch)
{
    Fuelle(3, 6); // 9 plans
    const auto auftrag = Auftrag();
    std::vector<std::pair<int, int>> gemeldet;
    {
        TAufzeichnung geraet;
        QPainter maler(&geraet);
        EXPECT_TRUE(DruckePlaene(maler, [&geraet] { return geraet.NeueSeite(); }, auftrag, Texte(),
                                 [&](int fertig, int gesamt) {
                                     gemeldet.emplace_back(fertig, gesamt);
                                     return true;
                                 }));
    }
    ASSERT_EQ(gemeldet.size(), 10u);
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(gemeldet[size_t(i)], std::make_pair(i, 9));

    for (int stopp : {0, 2}) {
        TAufzeichnung geraet;
        QPainter maler(&geraet);
        int aufrufe = 0;
        EXPECT_FALSE(DruckePlaene(maler, [&geraet] { return geraet.NeueSeite(); }, auftrag, Texte(),
                                  [&](int fertig, int) {
                                      ++aufrufe;
                                      return fertig < stopp;
                                  }));
        maler.end();
        EXPECT_EQ(aufrufe, stopp + 1);
        EXPECT_EQ(geraet.seite, std::max(0, stopp - 1)) << "one A4 page per teacher drawn";
        for (int l = 0; l < 3; ++l)
            EXPECT_EQ(geraet.Finde(QStringLiteral("Lehrer %1").arg(QChar(u'A' + l))) != nullptr, l < stopp) << stopp;
        EXPECT_EQ(geraet.Finde(QStringLiteral("5a: Eltern 1")), nullptr);
    }
}

} // namespace
