// E-mail addresses from a school's exports: which columns hold them, what an entry gets
// (the union of its lines, each address once, at most what an entry holds), and every
// refused address named with its file, line and column. Fixtures and expectations are
// written by hand.
#include "model/sprechtag.h"
#include "schuldaten/schulimport.h"
#include "verlauf/verlauf.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

TGeleseneQuelle ausText(const char* pfad, TQuellArt art, const char* text)
{
    TQuelle q;
    q.Pfad = QString::fromUtf8(pfad);
    q.Art = art;
    return LeseQuelleAusBytes(q, QByteArray(text));
}

QStringList adressenVon(const TSprechtag& tag, const char* eltern)
{
    const TEltern* e = tag.Eltern.Suche(QString::fromUtf8(eltern));
    return e ? e->EMail : QStringList{QStringLiteral("<kein Eintrag>")};
}

/// "line: reason" in line order.
QStringList abgelehnt(const TDateiBericht& b)
{
    QList<TProblem> probleme = b.AdressenAbgelehnt;
    std::stable_sort(probleme.begin(), probleme.end(), [](const TProblem& x, const TProblem& y) { return x.Zeile < y.Zeile; });
    QStringList l;
    for (const TProblem& p : probleme)
        l.append(QStringLiteral("%1: %2").arg(p.Zeile).arg(p.Grund));
    return l;
}

} // namespace

TEST(SchuldatenAdressen, SpaltenMitAdressenWerdenErkannt)
{
    struct Fall {
        const char* kopf;
        TQuellArt art;
        bool adresse;
    } faelle[] = {
        {"E-Mail", TQuellArt::Schueler, true},
        {"Mail", TQuellArt::Schueler, true},
        {"Email", TQuellArt::Schueler, true},
        {"E-Mail-Adresse", TQuellArt::Schueler, true},
        {"Mail Eltern", TQuellArt::Schueler, true},
        {"E-Mail Eltern 2", TQuellArt::Schueler, true},
        {"E-Mail Erziehungsberechtigte 1", TQuellArt::Schueler, true},
        {"E-Mail Erziehungsberechtigter 2", TQuellArt::Schueler, true},
        {"Eltern E-Mail", TQuellArt::Schueler, true},
        {"E_MAIL_ELTERN", TQuellArt::Schueler, true},
        {"E-Mail Schüler", TQuellArt::Schueler, false},
        {"Mailbox", TQuellArt::Schueler, false},
        {"E-Mail", TQuellArt::Lehrer, true},
        {"E-Mail-Adresse", TQuellArt::Lehrer, true},
        {"Mail Eltern", TQuellArt::Lehrer, false},
        {"E-Mail", TQuellArt::Unterricht, false},
        {"E-Mail", TQuellArt::Wuensche, false},
    };
    for (const Fall& f : faelle) {
        const auto feld = FeldAusKopf(QString::fromUtf8(f.kopf), f.art);
        EXPECT_EQ(feld == TFeld::EMail, f.adresse) << f.kopf << " " << ArtName(f.art).toStdString();
    }
    // Offered in the wizard for teachers and pupils, captioned as such.
    EXPECT_TRUE(FelderFuer(TQuellArt::Lehrer).contains(TFeld::EMail));
    EXPECT_TRUE(FelderFuer(TQuellArt::Schueler).contains(TFeld::EMail));
    EXPECT_FALSE(FelderFuer(TQuellArt::Wuensche).contains(TFeld::EMail));
    EXPECT_EQ(FeldName(TFeld::EMail), QStringLiteral("E-Mail"));
    // Two address columns both keep their meaning, also when remembered and applied again.
    const QStringList kopf{QStringLiteral("Nachname"), QStringLiteral("Mail Eltern 1"), QStringLiteral("Mail Eltern 2")};
    const TZuordnung z = ZuordnungAusKopf(kopf, TQuellArt::Schueler);
    EXPECT_EQ(z, (TZuordnung{TFeld::Nachname, TFeld::EMail, TFeld::EMail}));
    const auto wieder = ZuordnungAusText(ZuordnungAlsText(z, kopf), kopf, 3, TZuordnung(3, TFeld::Keins));
    ASSERT_TRUE(wieder.has_value());
    EXPECT_EQ(*wieder, z);
}

TEST(SchuldatenAdressen, SchuelerBringenBisZuZweiAdressenJeEintrag)
{
    const auto quelle = ausText("eltern.csv", TQuellArt::Schueler,
                                "Klasse;Nachname;Vorname;Schülernummer;E-Mail Erziehungsberechtigte 1;"
                                "E-Mail Erziehungsberechtigte 2\r\n"
                                "7b;Weber;Anna;1001;mutter.weber@example.org;Vater.Weber@example.org\r\n"
                                "7b;Weber;Anna;1001;MUTTER.WEBER@example.org;oma@example.org\r\n"
                                "7b;Weber;Ben;1002;weber@example.org, zweit@example.org;\r\n"
                                "8a;Kurz;Eva;1003;keine-adresse;eva@@example.org\r\n"
                                "8a;Lang;Tim;1004;\"tim@example.org\nBcc: boese@example.org\";\r\n"
                                "8a;Ohne;Ida;1005;;\r\n"
                                "8a;Nah;Ole;1006;ole@schüler-familie.de;\r\n");
    ASSERT_TRUE(quelle.ok()) << quelle.Fehler.toStdString();
    TSprechtag tag;
    const TImportPlan plan = PlaneImport(tag, {quelle}, {});
    ASSERT_EQ(plan.Berichte.size(), 1);
    const TDateiBericht& b = plan.Berichte[0];
    EXPECT_EQ(b.Neu, 6);
    EXPECT_EQ(b.Adressen, 5);
    EXPECT_EQ(abgelehnt(b),
              (QStringList{
                  QStringLiteral("3: „oma@example.org“ wird nicht übernommen: „7b: Weber, Anna“ hat schon 2 "
                                 "E-Mail-Adressen, mehr sind nicht möglich (mutter.weber@example.org, "
                                 "Vater.Weber@example.org)"),
                  QStringLiteral("5: „keine-adresse“ im Feld „E-Mail Erziehungsberechtigte 1“ ist keine gültige "
                                 "E-Mail-Adresse (erwartet wird die Form name@schule.de)."),
                  QStringLiteral("5: „eva@@example.org“ im Feld „E-Mail Erziehungsberechtigte 2“ ist keine gültige "
                                 "E-Mail-Adresse (erwartet wird die Form name@schule.de)."),
                  QStringLiteral("6: Die E-Mail-Adresse im Feld „E-Mail Erziehungsberechtigte 1“ enthält ein "
                                 "Steuerzeichen (etwa einen Zeilenumbruch) und wird nicht übernommen."),
              }));

    WendeImportAn(tag, plan);
    EXPECT_EQ(adressenVon(tag, "7b: Weber, Anna"),
              (QStringList{QStringLiteral("mutter.weber@example.org"), QStringLiteral("Vater.Weber@example.org")}));
    EXPECT_EQ(adressenVon(tag, "7b: Weber, Ben"),
              (QStringList{QStringLiteral("weber@example.org"), QStringLiteral("zweit@example.org")}));
    EXPECT_EQ(adressenVon(tag, "8a: Kurz, Eva"), QStringList{});
    EXPECT_EQ(adressenVon(tag, "8a: Lang, Tim"), QStringList{});
    EXPECT_EQ(adressenVon(tag, "8a: Ohne, Ida"), QStringList{});
    EXPECT_EQ(adressenVon(tag, "8a: Nah, Ole"), QStringList{QStringLiteral("ole@schüler-familie.de")});

    const QString bericht = BerichtText({quelle}, plan);
    EXPECT_TRUE(bericht.contains(QStringLiteral("  Spalten: 1 Klasse („Klasse“), 2 Nachname („Nachname“), 3 Vorname "
                                                "(„Vorname“), 4 Schülernummer („Schülernummer“), 5 E-Mail („E-Mail "
                                                "Erziehungsberechtigte 1“), 6 E-Mail („E-Mail Erziehungsberechtigte 2“)\n")))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(QStringLiteral(", neue E-Mail-Adressen: 5, E-Mail-Adressen nicht übernommen: 4\n")))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(QStringLiteral("E-Mail-Adressen nicht übernommen:\n  eltern.csv, Zeile 3: „oma@")))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(QStringLiteral("\n  eltern.csv, Zeile 6: Die E-Mail-Adresse im Feld"))) << bericht.toStdString();
}

TEST(SchuldatenAdressen, SpaeteresImportFuegtAdressenHinzuUndIstEinSchritt)
{
    TSprechtag tag;
    tag.ElternUebernehmen(QStringLiteral("7b: Weber, Anna"));
    tag.Eltern.Suche(QStringLiteral("7b: Weber, Anna"))->EMail = {QStringLiteral("mutter.weber@example.org")};
    tag.LehrerUebernehmen(QStringLiteral("Hartmann"));
    tag.Lehrer.Suche(QStringLiteral("Hartmann"))->EMail = {QStringLiteral("hartmann@schule.example")};
    tag.Verlauf()->NeuBeginnen();

    const auto lehrer = ausText("lehrer.csv", TQuellArt::Lehrer,
                                "Nachname;E-Mail\n"
                                "Hartmann;h.hartmann@schule.example\n"
                                "Koch;koch@schule.example\n");
    const auto schueler = ausText("schueler.csv", TQuellArt::Schueler,
                                  "Klasse;Nachname;Vorname;Mail Eltern\n"
                                  "7b;Weber;Anna;vater.weber@example.org, Mutter.Weber@example.org\n");
    const TImportPlan plan = PlaneImport(tag, {lehrer, schueler}, {});
    EXPECT_EQ(plan.NeueAdressenEltern,
              (QList<QPair<QString, QStringList>>{{QStringLiteral("7b: Weber, Anna"), {QStringLiteral("vater.weber@example.org")}}}));
    EXPECT_EQ(plan.NeueAdressenLehrer,
              (QList<QPair<QString, QStringList>>{{QStringLiteral("Koch"), {QStringLiteral("koch@schule.example")}}}));
    EXPECT_EQ(abgelehnt(plan.Berichte[0]),
              QStringList{QStringLiteral("2: „h.hartmann@schule.example“ wird nicht übernommen: „Hartmann“ hat schon "
                                         "eine E-Mail-Adresse, mehr sind nicht möglich (hartmann@schule.example)")});

    WendeImportAn(tag, plan);
    // Koch is new, Anna only gets an address: two entries.
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), QStringLiteral("Import von 2 Einträgen"));
    EXPECT_EQ(adressenVon(tag, "7b: Weber, Anna"),
              (QStringList{QStringLiteral("mutter.weber@example.org"), QStringLiteral("vater.weber@example.org")}));
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Koch"))->EMail, QStringList{QStringLiteral("koch@schule.example")});
    // Addresses alone are an import too: one step, taken back as a whole.
    ASSERT_TRUE(tag.Verlauf()->Rueckgaengig());
    EXPECT_EQ(adressenVon(tag, "7b: Weber, Anna"), QStringList{QStringLiteral("mutter.weber@example.org")});
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Koch")), nullptr);
    EXPECT_FALSE(tag.Verlauf()->KannRueckgaengig());

    // Nothing new: the plan is empty and applying it changes nothing.
    ASSERT_TRUE(tag.Verlauf()->Wiederholen());
    const TImportPlan nochmal = PlaneImport(tag, {schueler}, {});
    EXPECT_TRUE(nochmal.Leer());
}
