#include "zeit/zeit.h"
#include <gtest/gtest.h>
TEST(Zeit, Kodiere) { EXPECT_EQ(Zeit::Kodiere(15, 0), 0.625); }
