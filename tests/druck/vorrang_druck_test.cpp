// Invitations on paper: the parents' plan names who invited them above that talk, the
// door sheet marks the invited talk; a day without invitations prints as before.
#include "druckauftrag.h"
#include "pdf_pruefen.h"
#include "tuerdrucker.h"
#include "tuerliste.h"

#include "bearbeiten/vorrang.h"
#include "model/sprechtag.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Ahorn = QStringLiteral("Ahorn (B12)");
const QString Birke = QStringLiteral("Birke");
const QString Weber = QStringLiteral("7b: Weber, Anna");

void Tag(TSprechtag& tag, bool eingeladen)
{
    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(15, 30));
    tag.SetSprechTakt(10);
    tag.LehrerUebernehmen(Ahorn);
    tag.LehrerUebernehmen(Birke);
    tag.ElternUebernehmen(Weber);
    TEltern& w = *tag.Eltern.Suche(Weber);
    w.Sprechwuensche = {Ahorn, Birke};
    w.Zeitplan.Setze({QStringLiteral("15:00 Uhr: Ahorn (B12)"), QStringLiteral("15:20 Uhr: Birke")});
    tag.Lehrer.Suche(Ahorn)->Zeitplan = {QStringLiteral("15:00 Uhr: 7b: Weber, Anna")};
    tag.Lehrer.Suche(Birke)->Zeitplan = {QStringLiteral("15:20 Uhr: 7b: Weber, Anna")};
    if (eingeladen)
        PrioritaetSetzen(tag, Weber, Ahorn, TPrioritaet::Einladung);
    tag.PlaeneGueltig = true;
}

TEST(VorrangDruck, ElternplanNenntDieEinladungUeberDemTermin)
{
    for (const bool eingeladen : {false, true}) {
        TSprechtag tag;
        Tag(tag, eingeladen);
        TDruckOptionen opt;
        opt.umfang = TDruckOptionen::Umfang::AlleEltern;
        const std::vector<TPlanAuftrag> plaene = PlaneDruckauftrag(tag, opt);
        ASSERT_EQ(plaene.size(), 1u);
        QStringList erwartet = {QStringLiteral("15:00 Uhr: Ahorn (B12)"), QStringLiteral("15:20 Uhr: Birke")};
        if (eingeladen)
            erwartet.prepend(QStringLiteral("Sie wurden von Ahorn (B12) eingeladen."));
        EXPECT_EQ(plaene[0].zeilen, erwartet);
        // The stored plan keeps its lines: exports and mails read those.
        EXPECT_EQ(tag.Eltern.Suche(Weber)->Zeitplan.Liste().size(), 2);

        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("plaene.pdf"));
        const auto fehler = PlaeneAlsPdf(pfad, tag, opt, TPlanTexte::Aus(tag.Plan, QStringLiteral("Schule")));
        ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
        const QString text = PdfPruefen::Text(pfad, 1);
        EXPECT_EQ(text.contains(QStringLiteral("Sie wurden von Ahorn (B12) eingeladen.")), eingeladen) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Birke")));
    }
}

TEST(VorrangDruck, TuerlisteMarktEingeladeneGespraeche)
{
    TSprechtag tag;
    Tag(tag, true);
    auto texte = [](const std::vector<TTuerZeile>& zeilen) {
        QStringList t;
        for (const TTuerZeile& z : zeilen)
            t << z.zeit + QStringLiteral("  ") + z.text;
        return t;
    };
    EXPECT_EQ(texte(TuerZeilen(tag, *tag.Lehrer.Suche(Ahorn))),
              (QStringList{QStringLiteral("15:00  7b: Weber, Anna (Einladung)"), QStringLiteral("15:10  — frei —"),
                           QStringLiteral("15:20  — frei —")}));
    // Birke did not invite: the same family, no mark.
    EXPECT_EQ(texte(TuerZeilen(tag, *tag.Lehrer.Suche(Birke))).at(2), QStringLiteral("15:20  7b: Weber, Anna"));

    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tuer.pdf"));
    TTuerTexte t;
    t.Stand = QDateTime(QDate(2026, 12, 10), QTime(15, 0), Qt::UTC);
    const auto fehler = TuerlistenAlsPdf(pfad, tag, {Ahorn}, t);
    ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
    EXPECT_TRUE(PdfPruefen::Text(pfad, 1).contains(QStringLiteral("7b: Weber, Anna (Einladung)")));
}

} // namespace
