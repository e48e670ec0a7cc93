#include "seitenmasse.h"

#include <gtest/gtest.h>

namespace {

TEST(SeitenMasse, UmrechnungVonBlattZentimeternInGeraetepixel)
{
    // 190 x 277 mm printable at 600 dpi: one centimetre inside the sheet on every side.
    const TSeitenMasse m = TSeitenMasse::Aus(190, 277, 4488, 6543);
    EXPECT_DOUBLE_EQ(m.RandX, -1.0);
    EXPECT_NEAR(m.RandY, -1.0, 1e-12);
    EXPECT_DOUBLE_EQ(m.PxProCmX, 4488 / 19.0);
    EXPECT_EQ(m.XPos(1.0), 0);
    EXPECT_EQ(m.XPos(2.85), int(1.85 * 4488 / 19.0));
    EXPECT_EQ(m.YPos(7.654), int((7.654 - 1.0) * 6543 / 27.7));
    // Truncation toward zero also left of the printable area.
    EXPECT_EQ(m.XPos(0.999), 0);
    EXPECT_EQ(m.XPos(0.9), int(-0.1 * 4488 / 19.0));
}

TEST(SeitenMasse, GeraetOhneMillimeterGiltAlsGanzesA4Blatt)
{
    const TSeitenMasse m = TSeitenMasse::Aus(0, 0, 2100, 2970);
    EXPECT_EQ(m.HorzSizeMm, 210);
    EXPECT_EQ(m.VertSizeMm, 297);
    EXPECT_DOUBLE_EQ(m.RandX, 0.0);
    EXPECT_EQ(m.XPos(10.5), 1050);
}

} // namespace
