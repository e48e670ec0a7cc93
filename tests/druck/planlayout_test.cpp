#include "aufzeichnung.h"

#include "plandrucker.h"
#include "planlayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QStringList Planzeilen(int n, const QString& praefix = QStringLiteral("Eltern"))
{
    QStringList z;
    for (int i = 0; i < n; ++i)
        z.append(QStringLiteral("%1:%2 Uhr: %3 %4")
                     .arg(15 + i / 12, 2, 10, QLatin1Char('0'))
                     .arg((i % 12) * 5, 2, 10, QLatin1Char('0'))
                     .arg(praefix)
                     .arg(i + 1));
    return z;
}

// Draws plans onto a recording A4 printer page.
struct Zeichnung {
    explicit Zeichnung(TPlanTexte texte = Standardtexte(), int dpi = 600)
        : geraet(190, 277, dpi), maler(&geraet), drucker(maler, [this] { return geraet.NeueSeite(); }, std::move(texte))
    {
    }
    ~Zeichnung() { maler.end(); }

    static TPlanTexte Standardtexte()
    {
        TPlanTexte t;
        t.SchulName = QStringLiteral("Gesamtschule Am Hang");
        return t;
    }

    int X(double cm) const { return drucker.Masse().XPos(cm); }
    int Y(double cm) const { return drucker.Masse().YPos(cm); }
    double PxProCm() const { return drucker.Masse().PxProCmX; }

    /// The recorded text, failing the test when it is missing.
    const TGezeichneterText& Text(const QString& text) const
    {
        const TGezeichneterText* t = geraet.Finde(text);
        EXPECT_NE(t, nullptr) << "nicht gezeichnet: " << text.toStdString();
        static TGezeichneterText leer;
        return t ? *t : leer;
    }
    int Links(const QString& text) const { return int(Text(text).grundlinie.x()); }
    int Oben(const QString& text) const { return geraet.Oben(Text(text)); }

    TAufzeichnung geraet;
    QPainter maler;
    TPlanDrucker drucker;
};

TEST(PlanLayoutVerteilung, ZweiSpaltenAb32ZeilenAufA4)
{
    struct Fall {
        int n;
        int links, rechts;
    };
    for (const Fall f : {Fall{31, 31, 0}, Fall{32, 17, 15}, Fall{33, 17, 16}, Fall{77, 39, 38}}) {
        const auto boxen = PlanLayout::Verteile(f.n, false, 0, false, false);
        ASSERT_EQ(boxen.size(), 1u) << f.n;
        int links = 0, rechts = 0;
        for (const auto& e : boxen[0].eintraege) {
            (e.spalte == 0 ? links : rechts) += 1;
            // The second column starts level with the first.
            const int erwarteteZeile = 11 + (e.spalte == 0 ? e.index : e.index - f.links);
            EXPECT_EQ(e.zeile, erwarteteZeile) << f.n << " Zeile " << e.index;
        }
        EXPECT_EQ(links, f.links) << f.n;
        EXPECT_EQ(rechts, f.rechts) << f.n;
    }
    // A6 never splits.
    const auto a6 = PlanLayout::Verteile(19, false, 0, true, false);
    for (const auto& e : a6.at(0).eintraege)
        EXPECT_EQ(e.spalte, 0);
}

TEST(PlanLayoutVerteilung, ZuLangePlaeneLaufenInFortsetzungWeiter)
{
    struct Fall {
        int n;
        bool eltern, a6, fussnote;
        std::vector<int> proBox;
    };
    const std::vector<Fall> faelle = {
        {78, false, false, false, {78}},     // 39 + 39 still fits the frame
        {80, false, false, false, {78, 2}},
        {75, false, false, true, {75}},      // 38 + 37 end above the footnote, as written
        {77, false, false, true, {77}},      // 38 + 39: only the left column yields to the footnote
        {78, false, false, true, {77, 1}},
        {19, false, true, false, {19}},      // teachers on A6: rows 9..27
        {20, false, true, false, {19, 1}},
        {18, false, true, true, {18}},       // rows 9..26 above the footnote
        {19, false, true, true, {18, 1}},
        {11, true, true, true, {11}},        // parents on A6 with five introduction lines: rows 16..26
        {12, true, true, true, {11, 1}},
        {45, true, true, false, {12, 19, 14}},
    };
    for (const Fall& f : faelle) {
        const auto boxen = PlanLayout::Verteile(f.n, f.eltern, 5, f.a6, f.fussnote);
        ASSERT_EQ(boxen.size(), f.proBox.size()) << f.n;
        int naechste = 0;
        for (size_t b = 0; b < boxen.size(); ++b) {
            EXPECT_EQ(boxen[b].fortsetzung, b > 0);
            int zeilen = 0;
            for (const auto& e : boxen[b].eintraege) {
                if (e.art != PlanLayout::TEintrag::Art::Planzeile)
                    continue;
                ++zeilen;
                const int grenze = (f.a6 ? 28 : 50) - (f.fussnote && e.spalte == 0 ? 1 : 0);
                EXPECT_LT(e.zeile + 1, grenze + 0.001) << "unter dem Rahmen oder in der Fußnote: " << f.n;
            }
            EXPECT_EQ(zeilen, f.proBox[b]) << f.n << " Box " << b;
            naechste += zeilen;
        }
        EXPECT_EQ(naechste, f.n);
        // Continuations carry no introduction: the lines start below the header.
        if (boxen.size() > 1) {
            EXPECT_EQ(boxen[1].eintraege.front().zeile, PlanLayout::ErsteTextzeile(f.a6));
        }
    }
}

TEST(PlanLayoutVerteilung, LangeEinleitungLaeuftWeiter)
{
    const auto boxen = PlanLayout::Verteile(3, true, 25, true, false);
    ASSERT_EQ(boxen.size(), 2u);
    // 19 introduction lines fit rows 9..27; the rest, the heading and the lines continue.
    EXPECT_EQ(boxen[0].eintraege.size(), 19u);
    EXPECT_EQ(boxen[1].eintraege.front().index, 19);
    EXPECT_EQ(boxen[1].eintraege.front().zeile, 9);
}

TEST(PlanDruck, A4LehrerplanNachTabelle)
{
    Zeichnung z;
    z.drucker.PrintPlan(QStringLiteral("Schmidt (R 101)"), Planzeilen(3), false, false, true);

    // Title: spans 6.8 cm, centred on x 10.5, top at y 2.6425.
    const auto& titel = z.Text(QStringLiteral("Zeitplan"));
    EXPECT_LE(titel.breite, 6.8 * z.PxProCm());
    EXPECT_GE(titel.breite, 6.8 * z.PxProCm() * 0.97);
    EXPECT_TRUE(titel.schrift.bold());
    EXPECT_EQ(z.Links(QStringLiteral("Zeitplan")), z.X(10.5) - int(titel.breite) / 2);
    EXPECT_EQ(z.Oben(QStringLiteral("Zeitplan")), z.Y(2.6425));

    EXPECT_EQ(z.Oben(QStringLiteral("Schmidt (R 101)")), z.Y(5.084));
    EXPECT_EQ(z.Oben(QStringLiteral("Gesamtschule Am Hang")), z.Y(6.112));
    EXPECT_EQ(z.Oben(QStringLiteral("Elternsprechtag am XX.XX.")), z.Y(6.626));
    EXPECT_TRUE(z.Text(QStringLiteral("Elternsprechtag am XX.XX.")).schrift.bold());

    const QString erste = Planzeilen(1).at(0);
    EXPECT_EQ(z.Links(erste), z.X(2.85));
    EXPECT_EQ(z.Oben(erste), z.Y(7.654));
    EXPECT_FALSE(z.Text(erste).schrift.bold());
    EXPECT_EQ(z.Text(erste).schrift.pointSize(), z.Text(QStringLiteral("Gesamtschule Am Hang")).schrift.pointSize());
    EXPECT_EQ(z.geraet.Finde(QStringLiteral("Ihr persönlicher Terminplan:")), nullptr);

    // Frame with a pen a 320th of the printable width; no cutting lines on A4.
    ASSERT_EQ(z.geraet.linien.size(), 4u);
    EXPECT_EQ(z.geraet.linien[0].linie.p1(), QPointF(z.X(2.0), z.Y(2.0)));
    EXPECT_EQ(z.geraet.linien[1].linie.p2(), QPointF(z.X(19.0), z.Y(27.7)));
    EXPECT_EQ(z.geraet.linien[0].stift.width(), int(z.geraet.width() * 0.003125));
    EXPECT_EQ(z.geraet.seite, 0);

    // Footnote at the bottom left inside the frame.
    const QString fuss = z.drucker.Texte().FussnotenText();
    EXPECT_EQ(z.Links(fuss), z.X(2.1));
    EXPECT_EQ(z.Oben(fuss), z.Y(27.4));
    EXPECT_LE(z.Text(fuss).breite, z.X(19.0) - z.X(2.1));
}

TEST(PlanDruck, SpaltenpositionenBei31Bis33Zeilen)
{
    for (int n : {31, 32, 33}) {
        Zeichnung z;
        const QStringList zeilen = Planzeilen(n);
        z.drucker.PrintPlan(QStringLiteral("L"), zeilen, false, false, true);
        const int links = n >= 32 ? n / 2 + 1 : n;
        for (int i = 0; i < n; ++i) {
            const bool rechts = i >= links;
            EXPECT_EQ(z.Links(zeilen[i]), z.X(rechts ? 12.2 : 2.85)) << n << "/" << i;
            EXPECT_EQ(z.Oben(zeilen[i]), z.Y(2.0 + 0.514 * (11 + (rechts ? i - links : i)))) << n << "/" << i;
        }
    }
}

TEST(PlanDruck, ElternplanMitUndOhneEinleitung)
{
    {
        Zeichnung z;
        z.drucker.PrintPlan(QStringLiteral("5a: Meier"), Planzeilen(2, QStringLiteral("Lehrer")), true, false, true);
        EXPECT_EQ(z.Oben(QStringLiteral("Liebe Eltern!")), z.Y(2.0 + 0.514 * 11));
        EXPECT_EQ(z.Links(QStringLiteral("Liebe Eltern!")), z.X(2.85));
        EXPECT_EQ(z.Oben(QStringLiteral("Ihr persönlicher Terminplan:")), z.Y(2.0 + 0.514 * 16.5));
        EXPECT_EQ(z.Oben(Planzeilen(1, QStringLiteral("Lehrer")).at(0)), z.Y(2.0 + 0.514 * 18));
    }
    for (bool a6 : {false, true}) {
        TPlanTexte texte = Zeichnung::Standardtexte();
        texte.Einleitung.clear();
        Zeichnung z(texte);
        z.drucker.PrintPlan(QStringLiteral("5a: Meier"), Planzeilen(1), true, a6, true);
        const double zeile = a6 ? 0.39375 : 0.514;
        const double y0 = a6 ? 1.8 : 2.0;
        EXPECT_EQ(z.Oben(QStringLiteral("Ihr persönlicher Terminplan:")), z.Y(y0 + zeile * (a6 ? 9.5 : 11.5))) << a6;
        EXPECT_EQ(z.Oben(Planzeilen(1).at(0)), z.Y(y0 + zeile * (a6 ? 11 : 13))) << a6;
    }
}

TEST(PlanDruck, LeererPlanUndLeereTexte)
{
    TPlanTexte texte = Zeichnung::Standardtexte();
    texte.SchulName.clear();
    texte.Fussnote = false;
    Zeichnung z(texte);
    z.drucker.PrintPlan(QStringLiteral("Niemand"), {}, false, true, true);
    std::vector<QString> gezeichnet;
    for (const auto& t : z.geraet.texte)
        gezeichnet.push_back(t.text);
    // Frame and header only; the empty school name leaves its row blank and the headline stays in row 7.
    EXPECT_EQ(gezeichnet, (std::vector<QString>{QStringLiteral("Zeitplan"), QStringLiteral("Niemand"),
                                                 QStringLiteral("Elternsprechtag am XX.XX.")}));
    EXPECT_EQ(z.Oben(QStringLiteral("Elternsprechtag am XX.XX.")), z.Y(1.8 + 2.75625));
    EXPECT_EQ(z.Oben(QStringLiteral("Niemand")), z.Y(1.8 + 1.771875));
}

TEST(PlanDruck, A6ViertelUndSchnittlinien)
{
    Zeichnung z;
    const double x0[] = {1.0, 11.5, 1.0, 11.5};
    const double y0[] = {1.8, 1.8, 16.65, 16.65};
    for (int i = 0; i < 5; ++i)
        z.drucker.PrintPlan(QStringLiteral("Plan %1").arg(i), Planzeilen(2), false, true, i == 0);

    for (int i = 0; i < 5; ++i) {
        const auto* name = z.geraet.Finde(QStringLiteral("Plan %1").arg(i));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->seite, i / 4) << i;
        EXPECT_EQ(z.geraet.Oben(*name), z.Y(y0[i % 4] + 1.771875)) << i;
        EXPECT_EQ(int(name->grundlinie.x()), z.X(x0[i % 4] + 4.25) - int(name->breite) / 2) << i;
    }
    EXPECT_EQ(z.geraet.seite, 1);
    EXPECT_EQ(z.drucker.Blaetter.A6Zaehler, 1);

    // Each sheet: two dotted cutting lines, drawn before its first quarter's frame.
    for (int seite : {0, 1}) {
        std::vector<QLineF> gepunktet;
        for (const auto& l : z.geraet.linien)
            if (l.seite == seite && l.stift.style() == Qt::DotLine)
                gepunktet.push_back(l.linie);
        ASSERT_EQ(gepunktet.size(), 2u) << seite;
        EXPECT_EQ(gepunktet[0], QLineF(z.X(10.5), z.Y(1.8), z.X(10.5), z.Y(27.9)));
        EXPECT_EQ(gepunktet[1], QLineF(z.X(1.0), z.Y(14.85), z.X(20.0), z.Y(14.85)));
    }
    for (const auto& l : z.geraet.linien) {
        if (l.stift.style() != Qt::DotLine) {
            EXPECT_EQ(l.stift.style(), Qt::SolidLine);
        }
    }
}

// Cutting lines must show on paper: about 0.2 mm wide at any printer resolution, while
// the frame keeps its own width and everything after them is solid again.
TEST(PlanDruck, SchnittlinienInMillimeternBeiJederAufloesung)
{
    for (int dpi : {300, 1200}) {
        Zeichnung z(Zeichnung::Standardtexte(), dpi);
        z.drucker.PrintPlan(QStringLiteral("Plan"), Planzeilen(2), false, true, true);
        const double pxProMm = dpi / 25.4;
        int gepunktet = 0;
        for (const auto& l : z.geraet.linien) {
            if (l.stift.style() != Qt::DotLine) {
                EXPECT_EQ(l.stift.style(), Qt::SolidLine) << dpi;
                continue;
            }
            ++gepunktet;
            EXPECT_NEAR(l.stift.widthF() / pxProMm, 0.2, 0.01) << dpi;
            EXPECT_EQ(l.stift.color(), QColor(Qt::black)) << dpi;
        }
        EXPECT_EQ(gepunktet, 2) << dpi;
        // The frame drawn after them: a 320th of the printable width, not the cutting width.
        const auto& rahmen = z.geraet.linien.back();
        EXPECT_EQ(rahmen.stift.width(), int(190 * pxProMm * 0.003125)) << dpi;
    }
}

TEST(PlanDruck, UeberlangerPlanWirdFortgesetzt)
{
    Zeichnung z;
    const QStringList zeilen = Planzeilen(90);
    z.drucker.PrintPlan(QStringLiteral("Voll (R 1)"), zeilen, false, false, true);
    EXPECT_EQ(z.geraet.seite, 1);
    const auto* fort = z.geraet.Finde(QStringLiteral("Voll (R 1) (Forts.)"));
    ASSERT_NE(fort, nullptr);
    EXPECT_EQ(fort->seite, 1);
    const int frameUnten = z.Y(27.7);
    const int fussnoteOben = z.Y(27.4);
    for (const QString& zeile : zeilen) {
        const auto& t = z.Text(zeile);
        const QFontMetrics fm(t.schrift, &z.geraet);
        const int unten = int(t.grundlinie.y()) + fm.descent();
        EXPECT_LE(unten, t.grundlinie.x() < z.X(10.5) ? fussnoteOben : frameUnten) << zeile.toStdString();
    }
    // 38 lines on the left above the footnote, 39 on the right; the rest on the next page.
    EXPECT_EQ(z.Text(zeilen[76]).seite, 0);
    EXPECT_EQ(z.Text(zeilen[77]).seite, 1);
    EXPECT_EQ(z.Oben(zeilen[77]), z.Y(7.654));
}

TEST(PlanDruck, ZuBreiteZeileBleibtInIhrerSpalte)
{
    Zeichnung z;
    QStringList zeilen = Planzeilen(40);
    zeilen[0] = QStringLiteral("15:00 Uhr: 10c: Familie Müller-Lüdenscheidt-Obermeyer-Schwarzenbach (Paul)");
    z.drucker.PrintPlan(QStringLiteral("L"), zeilen, false, false, true);
    const auto& lang = z.Text(zeilen[0]);
    EXPECT_LE(lang.grundlinie.x() + lang.breite, z.X(12.0) + 1);
    // Its neighbours keep their size.
    EXPECT_EQ(z.Text(zeilen[1]).schrift.stretch(), z.Text(zeilen[25]).schrift.stretch());
}

TEST(PlanDruck, SchriftIstArialOderMetrischGleich)
{
    Zeichnung z;
    z.drucker.PrintPlan(QStringLiteral("L"), Planzeilen(1), false, false, true);
    const QFontInfo info(z.Text(QStringLiteral("Zeitplan")).schrift);
    EXPECT_TRUE(info.family() == QStringLiteral("Arial") || info.family() == QStringLiteral("Liberation Sans")
                || info.family() == QStringLiteral("Arimo"))
        << info.family().toStdString();
}

} // namespace
