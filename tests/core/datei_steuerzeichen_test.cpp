// Names with control characters in a data file (written by older versions or other
// programs): loading turns each into a blank everywhere the name occurs, says so, and
// leaves the day changed so that the clean names get saved.
#include "datei/datei.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

namespace {

/// A saved day whose names hold a bell, an escape, a line break and DEL, with requests,
/// refusals, siblings and plans that name them.
QByteArray tagMitSteuerzeichen()
{
    TSprechtag tag;
    const QString lehrer = QStringLiteral("We\x07" "ber (R 1)");
    const QString eltern = QStringLiteral("7a: Lang\x1b[2J");
    const QString geschwister = QStringLiteral("5b: Lang\nTim");
    EXPECT_TRUE(tag.LehrerUebernehmen(lehrer).ok());
    EXPECT_TRUE(tag.LehrerUebernehmen(QStringLiteral("Klein\x7f")).ok());
    EXPECT_TRUE(tag.ElternUebernehmen(eltern).ok());
    EXPECT_TRUE(tag.ElternUebernehmen(geschwister).ok());
    // Already present without the control character: the cleaned name must not merge.
    EXPECT_TRUE(tag.ElternUebernehmen(QStringLiteral("5b: Lang Tim")).ok());
    TEltern* e = tag.Eltern.Suche(eltern);
    e->Sprechwuensche = {lehrer};
    e->Geschwister.Hinzufuegen(geschwister);
    tag.Eltern.Suche(geschwister)->Geschwister.Hinzufuegen(eltern);
    tag.Lehrer.Suche(lehrer)->Ablehnungen = {geschwister};
    tag.Lehrer.Suche(lehrer)->Zeitplan = {QStringLiteral("15:00 Uhr: ") + eltern};
    e->Zeitplan.Setze({QStringLiteral("15:00 Uhr: ") + lehrer});
    tag.Eltern.Suche(geschwister)->Zeitplan.Setze({QStringLiteral("15:00 Uhr: [ ") + lehrer + QStringLiteral(" ]")});
    tag.PlaeneGueltig = true;
    return Datei::SpeichereInBytes(tag, Inhalt::Alles);
}

} // namespace

TEST(DateiSteuerzeichen, NamenWerdenBereinigtUndVerweisePassenWeiter)
{
    TSprechtag tag;
    const TDateiErgebnis e = Datei::LadeAusBytes(tag, tagMitSteuerzeichen(), TLadeModus::Ersetzen, QStringLiteral("alt.qvt"));
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();

    EXPECT_EQ(tag.Lehrer.Namen(), (QStringList{"Klein ", "We ber (R 1)"}));
    EXPECT_EQ(tag.Eltern.Namen(), (QStringList{"5b: Lang Tim", "5b: Lang Tim (2)", "7a: Lang [2J"}));
    const TEltern* lang = tag.Eltern.Suche(QStringLiteral("7a: Lang [2J"));
    ASSERT_TRUE(lang);
    EXPECT_EQ(lang->Sprechwuensche, QStringList{"We ber (R 1)"});
    EXPECT_EQ(lang->Geschwister.Liste(), QStringList{"5b: Lang Tim (2)"});
    EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5b: Lang Tim (2)"))->Geschwister.Liste(), QStringList{"7a: Lang [2J"});
    EXPECT_TRUE(tag.Eltern.Suche(QStringLiteral("5b: Lang Tim"))->Geschwister.Liste().isEmpty());
    const TLehrer* weber = tag.Lehrer.Suche(QStringLiteral("We ber (R 1)"));
    ASSERT_TRUE(weber);
    EXPECT_EQ(weber->Ablehnungen, QStringList{"5b: Lang Tim (2)"});
    EXPECT_EQ(weber->Zeitplan, QStringList{"15:00 Uhr: 7a: Lang [2J"});
    EXPECT_EQ(lang->Zeitplan.Liste(), QStringList{"15:00 Uhr: We ber (R 1)"});
    EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5b: Lang Tim (2)"))->Zeitplan.Liste(),
              QStringList{"15:00 Uhr: [ We ber (R 1) ]"});
    EXPECT_TRUE(tag.PlaeneGueltig);

    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    EXPECT_EQ(e.Hinweis, QStringLiteral("In der Datei „alt.qvt“ enthielten Namen Steuerzeichen (etwa Zeilenumbrüche); "
                                        "sie wurden durch Leerzeichen ersetzt.\n"
                                        "„Klein\u2421“ → „Klein “\n"
                                        "„We\u2407ber (R 1)“ → „We ber (R 1)“\n"
                                        "„5b: Lang\u240aTim“ → „5b: Lang Tim (2)“\n"
                                        "„7a: Lang\u241b[2J“ → „7a: Lang [2J“\n"
                                        "Speichern Sie den Tag, um die bereinigten Namen zu behalten."));
}

TEST(DateiSteuerzeichen, SaubereDateiBleibtOhneHinweisUndGespeichert)
{
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("Weber (R 1)"));
    quelle.ElternUebernehmen(QStringLiteral("7a: Lang"));
    TSprechtag tag;
    const TDateiErgebnis e = Datei::LadeAusBytes(tag, Datei::SpeichereInBytes(quelle, Inhalt::Alles), TLadeModus::Ersetzen);
    ASSERT_TRUE(e.ok());
    EXPECT_TRUE(e.Hinweis.isEmpty());
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}
