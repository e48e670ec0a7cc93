#include "text/freitext.h"

#include <gtest/gtest.h>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

TEST(Freitext, NenntJedesFremdeZeichenEinmalInDerReihenfolgeDesTextes)
{
    struct Fall {
        const char* text;
        const char* meldung; // empty: the text can be stored as it is
    };
    const Fall faelle[] = {
        // Everything Windows-1252 holds: umlauts, €, typographic quotes and dashes.
        {"Elternsprechtag am 12.03. – „Raum“ € Äöüß …", ""},
        {"", ""},
        {"Raum 12 → Raum 14",
         "Die Überschrift enthält das Zeichen „→“ (U+2192), das Kalumo nicht speichern kann.\r"
         "Bitte schreiben Sie den Text ohne dieses Zeichen."},
        {"✓ erledigt → weiter ✓\n😀",
         "Die Überschrift enthält die Zeichen „✓“ (U+2713), „→“ (U+2192) und „😀“ (U+1F600), die Kalumo nicht "
         "speichern kann.\rBitte schreiben Sie den Text ohne diese Zeichen."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Freitext::Pruefe(S("Die Überschrift"), S(f.text)), S(f.meldung));
    }
    EXPECT_EQ(Freitext::FremdeZeichen(S("a😀b😀")), QList<char32_t>{0x1F600}) << "a surrogate pair is one character";
}

} // namespace
