#include "aufzeichnung.h"

#include "textdruck.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Textlauf {
    TAufzeichnung geraet{100, 60, 300}; // a small page: few lines, short width
    int seiten = 0;

    explicit Textlauf(const QStringList& zeilen)
    {
        QPainter maler(&geraet);
        seiten = Textdruck::Drucke(maler, [this] { return geraet.NeueSeite(); }, zeilen);
    }
};

TEST(Textdruck, SeitenwechselBeiFormfeedNichtAmEnde)
{
    const Textlauf t({QStringLiteral("KALUMO"), QString(), QStringLiteral("Lehrer(in): A"), QStringLiteral("\f"),
                      QStringLiteral("KALUMO"), QStringLiteral("\f")});
    EXPECT_EQ(t.seiten, 2);
    ASSERT_NE(t.geraet.Finde(QStringLiteral("Lehrer(in): A")), nullptr);
    EXPECT_EQ(t.geraet.AlleMit(QStringLiteral("KALUMO"))[1]->seite, 1);
    // Lines go one below the other from the top of the page.
    const auto kalumo = t.geraet.AlleMit(QStringLiteral("KALUMO"));
    EXPECT_EQ(t.geraet.Oben(*kalumo[0]), 0);
    EXPECT_EQ(t.geraet.Oben(*kalumo[1]), 0);
    EXPECT_GT(t.geraet.Finde(QStringLiteral("Lehrer(in): A"))->grundlinie.y(), kalumo[0]->grundlinie.y());
}

TEST(Textdruck, LangeZeileWirdUmbrochenUndVolleSeiteFortgesetzt)
{
    const QString lang = QStringLiteral(
        "Ggf. können Sie die Eltern streichen, mit denen ein Gespräch nicht unbedingt nötig ist. Falls Sie nicht "
        "die Zeit dafür finden, kann der Computer auch selbst so viele Eltern streichen.");
    QStringList zeilen{lang};
    for (int i = 0; i < 40; ++i)
        zeilen.append(QStringLiteral("%1.  5a: Eltern").arg(i + 1));
    const Textlauf t(zeilen);

    QString zusammen;
    for (const auto& x : t.geraet.texte) {
        EXPECT_LE(x.grundlinie.x() + x.breite, t.geraet.width() + 1) << x.text.toStdString();
        EXPECT_LE(t.geraet.Oben(x) + 1, t.geraet.height());
        if (!x.text.contains(QStringLiteral(".  5a")))
            zusammen += x.text;
    }
    EXPECT_EQ(zusammen, lang); // nothing lost by the wrap
    EXPECT_GT(t.seiten, 1);
    EXPECT_NE(t.geraet.Finde(QStringLiteral("40.  5a: Eltern")), nullptr);
    EXPECT_EQ(t.geraet.Finde(QStringLiteral("40.  5a: Eltern"))->seite, t.seiten - 1);
}

} // namespace
