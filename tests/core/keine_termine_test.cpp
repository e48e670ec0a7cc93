#include "raster/keine_termine.h"
#include "zeit/zeit.h"

#include <gtest/gtest.h>

namespace {

TEST(KeineTermine, HinweisNurWennDerTagKeinenSlotHat)
{
    struct Fall {
        int vonH, vonM, bisH, bisM, takt;
        const char* hinweis;
    };
    const Fall faelle[] = {
        {15, 0, 18, 0, 10, ""},
        {15, 0, 15, 10, 10, ""}, // exactly one slot
        {15, 0, 14, 0, 10, "Das Ende liegt vor dem Beginn – der Tag hat keine Termine."},
        {15, 5, 15, 0, 1, "Das Ende liegt vor dem Beginn – der Tag hat keine Termine."},
        {15, 0, 15, 0, 10, "Zwischen Beginn und Ende passt kein ganzer Termin – der Tag hat keine Termine."},
        {15, 0, 15, 40, 45, "Zwischen Beginn und Ende passt kein ganzer Termin – der Tag hat keine Termine."},
    };
    for (const Fall& f : faelle) {
        TSprechtag tag;
        tag.SetSprechStart(Zeit::Kodiere(f.vonH, f.vonM));
        tag.SetSprechEnde(Zeit::Kodiere(f.bisH, f.bisM));
        ASSERT_TRUE(tag.SetSprechTakt(f.takt));
        EXPECT_EQ(Raster::KeineTermineHinweis(tag), QString::fromUtf8(f.hinweis)) << f.vonH << ":" << f.vonM << "-" << f.bisH << ":" << f.bisM;
        // The hours stay as set.
        EXPECT_EQ(tag.Vorgaben.SprechEnde, Zeit::Kodiere(f.bisH, f.bisM));
    }
}

} // namespace
