// The stored placement of the main window on the screen it opens on.
#include "ini/fensterlage.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* was;
    QRect gespeichert;
    QRect erwartet;
};

// A 1024 x 768 screen with a 32-pixel panel at the bottom; a frame with a 30-pixel title
// bar and 4-pixel borders; the minimum client size 629 x 460.
const QRect Verfuegbar(0, 0, 1024, 736);
const QMargins Rahmen(4, 30, 4, 4);
const QSize Mindest(629, 460);

class Fensterlage : public testing::TestWithParam<Fall> {};

TEST_P(Fensterlage, PasstAufDenBildschirm)
{
    const Fall& f = GetParam();
    EXPECT_EQ(FensterEinpassen(f.gespeichert, Verfuegbar, Rahmen, Mindest), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Fensterlage,
    testing::Values(
        // Fits: stays exactly where it was.
        Fall{"passt", QRect(100, 50, 860, 600), QRect(100, 50, 860, 600)},
        // Written on 1280 x 1024: right part and bottom buttons beyond the edges. The frame
        // is 868 x 634, so the corner moves to 1024 - 868 = 156 and 736 - 634 = 102.
        Fall{"zu weit rechts unten", QRect(400, 300, 860, 600), QRect(156, 102, 860, 600)},
        // Left of and above the screen (a second monitor that is gone).
        Fall{"links oben draussen", QRect(-1500, -200, 860, 600), QRect(0, 0, 860, 600)},
        // Larger than the screen: cut to 1024 - 8 = 1016 by 736 - 34 = 702, then it fits at
        // the corner.
        Fall{"zu gross", QRect(300, 200, 1200, 950), QRect(0, 0, 1016, 702)},
        // Too narrow only in height: width kept, height cut, position moved up.
        Fall{"zu hoch", QRect(50, 100, 700, 900), QRect(50, 0, 700, 702)}),
    [](const testing::TestParamInfo<Fall>& i) {
        std::string n = i.param.was;
        for (char& c : n)
            if (c == ' ')
                c = '_';
        return n;
    });

TEST(Fensterlage, KleinerBildschirmAlsDasMindestmassZentriertUnterDemOberenRand)
{
    // 600 x 400 available: the minimum 629 x 460 (frame 637 x 494) cannot fit. Centred
    // across: (600 - 637) / 2 = -18 (toward zero); the title bar stays at the top edge.
    const QRect r = FensterEinpassen(QRect(200, 200, 860, 600), QRect(0, 0, 600, 400), Rahmen, Mindest);
    EXPECT_EQ(r, QRect(-18, 0, 629, 460));
}

TEST(Fensterlage, ZweiterBildschirmRechtsDaneben)
{
    // The window lands on a screen whose available area starts at x 1280.
    const QRect r = FensterEinpassen(QRect(2500, 900, 860, 600), QRect(1280, 0, 1024, 736), Rahmen, Mindest);
    EXPECT_EQ(r, QRect(1280 + 156, 102, 860, 600));
}

} // namespace
