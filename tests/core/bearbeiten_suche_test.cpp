#include "bearbeiten/elternsuche.h"
#include "bearbeiten_hilfen.h"

#include <gtest/gtest.h>

namespace {

using bearbeiten_test::L;
using bearbeiten_test::S;

TEST(ElternSuche, TrefferAmAnfangOderNachEinemLeerzeichen)
{
    struct Fall {
        const char* eintrag;
        const char* suche;
        bool treffer;
    };
    const Fall faelle[] = {
        {"5a: Meier", "5a", true},
        {"5a: Meier", "5A: m", true},
        {"5a: Meier", "mei", true},
        {"5a: Hans Meier", "MEIER", true},
        {"5a: Meier", "eier", false},
        {"5a: Meier", "a:", false},
        // A hyphen is no blank.
        {"5a: Meier-Schulz", "schulz", false},
        {"5a: Öztürk", "öZT", true},
        {"5a: Öztürk", "ÖZTÜRK", true},
        {"5a: Meier", "", false},
        {"5a:  Meier", " mei", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.eintrag << " / " << f.suche);
        EXPECT_EQ(IstSuchTreffer(S(f.eintrag), S(f.suche)), f.treffer);
    }
}

TEST(ElternSuche, WeiterSchreitetDurchDieTrefferUndBeginntVonVorn)
{
    TSprechtag tag;
    for (const char* e : {"5a: Meier", "5a: Zander", "5b: Meister", "6a: Kurz", "7c: Hans Meier"})
        ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
    const QStringList namen = tag.Eltern.Namen();
    ASSERT_EQ(namen, L({"5a: Meier", "5a: Zander", "5b: Meister", "6a: Kurz", "7c: Hans Meier"}));

    // Typing gives hit 1; every "weiter" asks for the next number, and after the last
    // hit the first one comes again with the number back at 1.
    struct Schritt {
        int gewuenscht;
        qsizetype position;
        int treffer;
    };
    const Schritt schritte[] = {{1, 0, 1}, {2, 2, 2}, {3, 4, 3}, {4, 0, 1}, {2, 2, 2}};
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.gewuenscht);
        const TSuchErgebnis r = ElternSuche(namen, S("mei"), s.gewuenscht);
        EXPECT_EQ(r.Position, s.position);
        EXPECT_EQ(r.Treffer, s.treffer);
        // The day's own list gives the same answer as a copy of its names.
        const TSuchErgebnis t = ElternSuche(tag, S("mei"), s.gewuenscht);
        EXPECT_EQ(t.Position, r.Position);
        EXPECT_EQ(t.Treffer, r.Treffer);
    }

    // "5a" hits both class-5a entries, each once, although "5a: Meier" could match twice.
    EXPECT_EQ(ElternSuche(namen, S("5a"), 2).Position, 1);
    EXPECT_EQ(ElternSuche(namen, S("5a"), 3).Position, 0);

    // No hit and nothing to search: no position, the number stays.
    for (const char* q : {"xyz", ""}) {
        const TSuchErgebnis r = ElternSuche(namen, S(q), 3);
        EXPECT_EQ(r.Position, -1);
        EXPECT_EQ(r.Treffer, 3);
    }
    EXPECT_EQ(ElternSuche(QStringList{}, S("mei"), 1).Position, -1);
}

} // namespace
