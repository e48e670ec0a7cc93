// Damaged files: each gives its message and leaves the open day exactly as it was, in
// both load modes.
#include "datei_hilfen.h"

#include <gtest/gtest.h>

#include <limits>

using namespace DateiTest;

namespace {

// Bytes in memory have no file name; the loader names it "Die Datei".
const QString Beschaedigt = QStringLiteral("Die Datei ist unvollständig oder beschädigt und wurde nicht geladen.\r");
const QString LeseFehler = Beschaedigt + QStringLiteral("Die Daten brechen vorzeitig ab.");
const QString Ungueltig = Beschaedigt + QStringLiteral("Ein Wert hat nicht die erwartete Art.");
const QString KeineQvt = QStringLiteral("Die Datei ist keine QVT-Datei!\rEs können keine Daten geladen werden.");
const QString Neuer = QStringLiteral("Die Datei wurde mit einer neueren\rVersion des Kalumos erstellt.\rSie enthält "
                                     "Daten, die von diesem Programm nicht\rverarbeitet werden können. Bitte installieren "
                                     "Sie\rdie aktuelle Version des Kalumos.");
const QString FehlenderName = Beschaedigt + QStringLiteral("Ein Zeitplan gehört zu einem Namen, den es in der Datei nicht gibt.");

void ErwarteUnveraendert(const QByteArray& datei, const QString& meldung, const char* fall)
{
    for (TLadeModus modus : {TLadeModus::Ersetzen, TLadeModus::Hinzufuegen}) {
        TSprechtag tag;
        FuelleReichenTag(tag);
        tag.Geaendert();
        const QByteArray vorher = Abbild(tag);
        const TDateiErgebnis e = Datei::LadeAusBytes(tag, datei, modus);
        EXPECT_EQ(e.Fehler, meldung) << fall;
        EXPECT_EQ(Abbild(tag), vorher) << fall;
    }
}

TEST(DateiDefekt, AbgeschnittenAnJederStelle)
{
    TSprechtag quelle;
    FuelleReichenTag(quelle);
    const QByteArray datei = Datei::SpeichereInBytes(quelle, Inhalt::Alles);
    TSprechtag tag;
    FuelleReichenTag(tag);
    const QByteArray vorher = Abbild(tag);
    for (qsizetype n = 0; n < datei.size(); ++n) {
        const TDateiErgebnis e = Datei::LadeAusBytes(tag, datei.left(n), n % 2 ? TLadeModus::Ersetzen : TLadeModus::Hinzufuegen);
        EXPECT_EQ(e.Fehler, n < 3 ? KeineQvt : LeseFehler)
            << "nach " << n << " Bytes";
        ASSERT_EQ(Abbild(tag), vorher) << "nach " << n << " Bytes";
    }
    // Data after the final boolean are ignored.
    EXPECT_TRUE(Datei::LadeAusBytes(tag, datei + "Rest", TLadeModus::Hinzufuegen).ok());
}

TEST(DateiDefekt, TabelleBeschaedigterDateien)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto vorgaben = [](double start, double ende, int takt) {
        return TDatei(9, Inhalt::Lehrer | Inhalt::Vorgaben).Liste({}).Float(start).Float(ende).Int(takt).Bool(true).Int(0).Bool(false).Bytes();
    };
    const auto plaene = [](const QString& lehrer) {
        TDatei d(9, Inhalt::Alles & ~Inhalt::Preview);
        d.Liste({QStringLiteral("Neu")}).Float(0.625).Float(0.75).Int(10).Bool(true).Float(0.625).Float(0.75).Bool(false).Int(0);
        // Key start 30023: the first shifted text uses 30024, a multiple of 27, and so
        // stands in the file as it is.
        d.Int(0).Liste({}).Text(QStringLiteral("Kopf")).Bool(true).Int(0).Int(1).Int(30023).Liste({});
        d.Int(1).Text(lehrer).Int(0).Int(0);
        for (int i = 0; i < 11; ++i)
            d.Text({});
        return d.Liste({}).Bool(false).Bytes();
    };
    const struct {
        const char* fall;
        QByteArray datei;
        QString meldung;
    } faelle[] = {
        {"leer", {}, KeineQvt},
        {"fremder Kopf", QByteArray("PK\x03\x04 file rev 9  \x02\x01", 18), KeineQvt},
        {"kleingeschrieben", "qvt file rev 9  \x02\x00", KeineQvt},
        {"Revision 10", "QVT file rev 10 \x02\x01\x02\x00\x08",
         Neuer},
        {"Revision 999", "QVT file rev999\x02\x00\x08", Neuer},
        {"Revision keine Zahl", "QVT file rev 9a \x02\x00\x08", Beschaedigt + QStringLiteral("Die Revision „9a“ ist keine ganze Zahl.")},
        {"Revision leer", "QVT file rev    \x02\x00\x08", Beschaedigt + QStringLiteral("Die Revision „“ ist keine ganze Zahl.")},
        {"Kopf zu kurz", "QVT file rev", LeseFehler},
        {"Maske fehlt", "QVT file rev 9  ", LeseFehler},
        {"Maske als Text", "QVT file rev 9  \x06\x00\x08", Ungueltig},
        {"Name als Zahl", TDatei(9, Inhalt::Lehrer).Int(1).Int(5).Bool(false).Bytes(), Ungueltig},
        {"Anzahl als Text", TDatei(9, Inhalt::Lehrer).Text({}).Bool(false).Bytes(), Ungueltig},
        {"Textlaenge 2^31", TDatei(9, Inhalt::Lehrer).Int(1).Roh(QByteArray::fromHex("0c00000080")).Bool(false).Bytes(), LeseFehler},
        {"eine Million Namen", TDatei(9, Inhalt::Lehrer).Int(1000000).Text(QStringLiteral("A")).Bool(false).Bytes(), LeseFehler},
        {"Pausenzahl riesig", TDatei(9, Inhalt::Lehrer | Inhalt::Vorgaben).Liste({}).Float(0.6).Float(0.7).Int(10).Bool(true).Int(2000000000).Bytes(), LeseFehler},
        {"elf Pausen", [] {
             TDatei d(9, Inhalt::Lehrer | Inhalt::Vorgaben);
             d.Liste({}).Float(0.6).Float(0.7).Int(10).Bool(true).Int(11);
             for (int i = 0; i < 11; ++i)
                 d.Float(0.65).Float(0.01);
             return d.Bool(false).Bytes();
         }(), Ungueltig},
        {"Takt 0", vorgaben(0.625, 0.75, 0), Ungueltig},
        {"Takt 46", vorgaben(0.625, 0.75, 46), Ungueltig},
        {"Takt negativ", vorgaben(0.625, 0.75, -10), Ungueltig},
        {"Beginn NaN", vorgaben(nan, 0.75, 10), Ungueltig},
        {"Ende unendlich", vorgaben(0.625, inf, 10), Ungueltig},
        {"Ende riesig", vorgaben(0.625, 1e300, 10), Ungueltig},
        {"Beginn negativ", vorgaben(-0.5, 0.75, 10), Ungueltig},
        {"Format 2", TDatei(9, Inhalt::Plaene).Text({}).Bool(true).Int(2).Int(0).Bytes(), Ungueltig},
        {"Plan fuer fehlenden Lehrer", plaene(QStringLiteral("Fehlt")), FehlenderName},
    };
    for (const auto& f : faelle)
        ErwarteUnveraendert(f.datei, f.meldung, f.fall);

    // The plan fixture itself is sound: the only fault above is the missing name.
    TSprechtag tag;
    EXPECT_TRUE(Datei::LadeAusBytes(tag, plaene(QStringLiteral("NEU")), TLadeModus::Hinzufuegen).ok());
}

TEST(DateiDefekt, BlockFuerVorhandenenLehrerPasstNurBeimKombinieren)
{
    // A file with plans but no names: its plan names a teacher of the open day.
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("Alt"));
    quelle.Lehrer.Suche(QStringLiteral("Alt"))->Zeitplan = {QStringLiteral("15:00 Uhr: ")};
    const QByteArray nurPlan = DateiSchreiber::Schreibe(quelle, Inhalt::Plaene, 30001);

    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("ALT"));
    EXPECT_TRUE(Datei::LadeAusBytes(tag, nurPlan, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("alt"))->Zeitplan, QStringList{QStringLiteral("15:00 Uhr: ")});
    ErwarteUnveraendert(nurPlan, FehlenderName, "Ersetzen ohne den Namen");
}

} // namespace
