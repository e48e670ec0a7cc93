// The statistics window's figures and the export of the unmet requests.
#include "berechnung_hilfen.h"

#include "beispiel/beispieltag.h"
#include "berechnung/statistik.h"
#include "berechnung/statistik_export.h"
#include "berechnung/wunschsummen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Adler (R1)");
const QString B = QStringLiteral("Berg (R2)");
const QString C = QStringLiteral("Cramer (R3)");

QString Zeile(int std, int min, const QString& partner)
{
    return Zeit::ZeitPraefix(Zeit::Kodiere(std, min)) + partner;
}

TEST(Statistik, ElternOhneWuenscheGeltenAlsVollBedient)
{
    TSprechtag tag;
    Lehrer(tag, A);
    Eltern(tag, QStringLiteral("5a: Ohne"));
    TStatistikTexte t;
    ErstelleStatistik(tag, t);
    EXPECT_EQ(t.Texte[TStatistikTexte::ErfPerElt], QStringLiteral("100,00%"));
    EXPECT_EQ(t.Texte[TStatistikTexte::Wue], QStringLiteral("0"));
    EXPECT_EQ(t.Texte[TStatistikTexte::WuePerElt], QStringLiteral("0,00"));
    EXPECT_TRUE(t.NichtErtBox.isEmpty());
}

TEST(Statistik, ZweiFamilienDreiUndEinWunschAlleErfuellt)
{
    TSprechtag tag;
    for (const QString& l : {A, B, C})
        Lehrer(tag, l);
    TEltern& e1 = Eltern(tag, QStringLiteral("5a: Eins"), {A, B, C});
    e1.Zeitplan.Setze({Zeile(15, 0, A), Zeile(15, 20, B), Zeile(15, 40, C)});
    TEltern& e2 = Eltern(tag, QStringLiteral("6b: Zwei"), {B});
    e2.Zeitplan.Setze({Zeile(16, 0, B)});
    TStatistikTexte t;
    t.Texte[TStatistikTexte::MaxErtbar] = QStringLiteral("unverändert");
    ErstelleStatistik(tag, t);
    EXPECT_EQ(t.Texte[TStatistikTexte::Wue], QStringLiteral("4"));
    EXPECT_EQ(t.Texte[TStatistikTexte::Erteilt], QStringLiteral("4"));
    EXPECT_EQ(t.Texte[TStatistikTexte::NichtErteilt], QStringLiteral("0"));
    EXPECT_EQ(t.Texte[TStatistikTexte::WuePerElt], QStringLiteral("2,00"));
    EXPECT_EQ(t.Texte[TStatistikTexte::ErfPerElt], QStringLiteral("100,00%"));
    EXPECT_EQ(t.Texte[TStatistikTexte::TermPerElt], QStringLiteral("2,00"));
    EXPECT_EQ(t.Texte[TStatistikTexte::TermPerLeh], QStringLiteral("1,33"));
    EXPECT_EQ(t.Texte[TStatistikTexte::MaxErtbar], QStringLiteral("unverändert"));
}

TEST(Statistik, ProElterZaehltJedenEintragAuchOhneSprechwunsch)
{
    // Three requests and two talks over two entries, one of which asks for nobody:
    // 3 / 2 and 2 / 2, not 3 / 1 and 2 / 1. The entry without requests counts as fully
    // served: (2/3 + 1) / 2 = 83,33 %.
    TSprechtag tag;
    for (const QString& l : {A, B, C})
        Lehrer(tag, l);
    Eltern(tag, QStringLiteral("5a: Eins"), {A, B, C}).Zeitplan.Setze({Zeile(15, 0, A), Zeile(15, 20, B)});
    Eltern(tag, QStringLiteral("6b: Ohne"));
    TStatistikTexte t;
    ErstelleStatistik(tag, t);
    EXPECT_EQ(t.Texte[TStatistikTexte::WuePerElt], QStringLiteral("1,50"));
    EXPECT_EQ(t.Texte[TStatistikTexte::TermPerElt], QStringLiteral("1,00"));
    EXPECT_EQ(t.Texte[TStatistikTexte::ErfPerElt], QStringLiteral("83,33%"));
}

TEST(Statistik, AbgelehntUndZeitmangelWerdenGezaehltUndSortiertGelistet)
{
    TSprechtag tag;
    for (const QString& l : {A, B, C})
        Lehrer(tag, l);
    // A refusal names the entry without regard to case, among others.
    tag.Lehrer.Suche(B)->Ablehnungen = {QStringLiteral("5b: Abel"), QStringLiteral("7C: ZORN")};
    TEltern& zorn = Eltern(tag, QStringLiteral("7c: Zorn"), {C, B, A});
    // Own line for A; a sibling's line with C does not count as an appointment with C.
    zorn.Zeitplan.Setze({Zeile(15, 0, A), Zeile(15, 10, QStringLiteral("[ ") + C + QStringLiteral(" ]"))});
    Eltern(tag, QStringLiteral("5a: Ärger"), {C});
    Eltern(tag, QStringLiteral("5b: Abel"), {C});

    const TStatistikWerte w = BerechneStatistik(tag);
    EXPECT_EQ(w.Wuensche, 5);
    EXPECT_EQ(w.Erteilt, 1);
    EXPECT_EQ(w.NichtErteilt, 4);
    EXPECT_EQ(w.Abgelehnt, 1);
    EXPECT_EQ(w.NichtAbgelehnt, 4);
    EXPECT_EQ(w.Zeitmangel, 3);
    // The progress window's totals agree with the statistics.
    const TWunschSummen summen = ZaehleWuensche(tag);
    EXPECT_EQ(summen.Insgesamt, 5);
    EXPECT_EQ(summen.NichtAbgelehnt, 4);
    // Sorted by the whole line: grouped by teacher, "Ärger" among the A's.
    EXPECT_EQ(w.NichtErfuellt, QStringList({
                                   QStringLiteral("Berg (R2)  --  7c: Zorn      (abgelehnt)"),
                                   QStringLiteral("Cramer (R3)  --  5a: Ärger      (Zeitmangel)"),
                                   QStringLiteral("Cramer (R3)  --  5b: Abel      (Zeitmangel)"),
                                   QStringLiteral("Cramer (R3)  --  7c: Zorn      (Zeitmangel)"),
                               }));
    // (1/3 + 0 + 0) / 3 families, as a 32-bit float.
    EXPECT_FLOAT_EQ(w.Erfuellung, float(1.0 / 9.0));
    TStatistikTexte t;
    ErstelleStatistik(tag, t);
    EXPECT_EQ(t.Texte[TStatistikTexte::ErfPerElt], QStringLiteral("11,11%"));
    EXPECT_EQ(t.NichtErtBox, w.NichtErfuellt);
}

TEST(Statistik, SummenDesFortschrittsfenstersWieDieStatistikAufErzeugtenTagen)
{
    // The progress window counts the other way round (refused entries first); the
    // statistics look up every request. Both must agree on any day.
    for (const int prozent : {0, 2, 30}) {
        TSprechtag tag;
        TBeispielVorgaben v;
        v.eltern = 300;
        v.lehrer = 20;
        v.ablehnungenProzent = prozent;
        v.saat = quint32(prozent + 7);
        FuelleBeispieltag(tag, v);
        if (prozent == 30) {
            // The same entry refused twice in two spellings, a refusal of nobody, and a
            // request in other letter case.
            TLehrer& l = tag.Lehrer.Record(0);
            TEltern& e = tag.Eltern.Record(0);
            l.Ablehnungen << tag.Eltern.Name(0) << tag.Eltern.Name(0).toUpper() << QStringLiteral("niemand");
            e.Sprechwuensche << tag.Lehrer.Name(0).toLower() << tag.Lehrer.Name(0);
        }
        const TStatistikWerte w = BerechneStatistik(tag);
        const TWunschSummen summen = ZaehleWuensche(tag);
        EXPECT_EQ(summen.Insgesamt, w.Wuensche) << prozent;
        EXPECT_EQ(summen.NichtAbgelehnt, w.NichtAbgelehnt) << prozent;
        if (prozent > 0) {
            EXPECT_LT(summen.NichtAbgelehnt, summen.Insgesamt) << prozent;
        }
    }
}

TEST(Statistik, ZahlenformatMitKommaOhneTausenderpunkt)
{
    const std::pair<double, const char*> faelle[] = {
        {0.0, "0,00"},       {2.0, "2,00"},       {1.0 / 3.0, "0,33"},
        {2.125, "2,13"}, // an exact half rounds away from zero, as on paper
        {1234.5, "1234,50"}, {100.0, "100,00"},
    };
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(StatistikZahl(wert), QString::fromUtf8(text)) << wert;
}

TEST(Statistik, MaximalErteilbarUebersteigtErteiltWennKeinSlotPasst)
{
    TSprechtag tag;
    Rahmen(tag, 15, 0, 16, 0, 10);
    Lehrer(tag, A);
    TEltern& e = Eltern(tag, QStringLiteral("5a: Abends"), {A});
    e.NichtVor = true;
    e.NichtVorZeit = Zeit::Kodiere(17, 0);
    Rechne(tag);
    EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::MaxErtbar], QStringLiteral("1"));
    EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::Erteilt], QStringLiteral("0"));
    EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::Zeitmangel], QStringLiteral("1"));
    EXPECT_EQ(tag.Statistik().NichtErtBox,
              QStringList{QStringLiteral("Adler (R1)  --  5a: Abends      (Zeitmangel)")});
}

TEST(StatistikExport, Windows1252MitCrLf)
{
    EXPECT_TRUE(NichtErfuellteAlsText({}).isEmpty());
    const QByteArray bytes = NichtErfuellteAlsText(
        {QStringLiteral("Müller  --  5a: Öz      (abgelehnt)"), QStringLiteral("B  --  C      (Zeitmangel)")});
    EXPECT_EQ(bytes, QByteArray("M\xfcller  --  5a: \xd6z      (abgelehnt)\r\nB  --  C      (Zeitmangel)\r\n"));
}

TEST(StatistikExport, SchreibtErsetztUndMeldetFehler)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("liste.txt"));
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alter Inhalt, der länger ist als der neue\r\n");
    }
    EXPECT_EQ(SchreibeNichtErfuellte(pfad, {QStringLiteral("A  --  B      (Zeitmangel)")}), QString());
    QFile neu(pfad);
    ASSERT_TRUE(neu.open(QIODevice::ReadOnly));
    EXPECT_EQ(neu.readAll(), QByteArray("A  --  B      (Zeitmangel)\r\n"));

    EXPECT_EQ(SchreibeNichtErfuellte(dir.filePath(QStringLiteral("leer.txt")), {}), QString());
    EXPECT_EQ(QFile(dir.filePath(QStringLiteral("leer.txt"))).size(), 0);

    const QString fehler = SchreibeNichtErfuellte(dir.filePath(QStringLiteral("fehlt/liste.txt")), {QStringLiteral("x")});
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei"))) << fehler.toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("fehlt"))).exists());
}

} // namespace
