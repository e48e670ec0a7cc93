// Reading school exports: encodings, delimited text, header aliases and name patterns.
#include "schuldaten/csv.h"
#include "schuldaten/felder.h"
#include "schuldaten/kodierung.h"
#include "schuldaten/namensmuster.h"

#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

QByteArray utf16le(const QString& s, bool bom)
{
    QByteArray b = bom ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (const QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

} // namespace

TEST(SchuldatenKodierung, ErkenntUndDekodiert)
{
    const QString text = QStringLiteral("Jörg;Müßig");
    struct Fall {
        const char* was;
        QByteArray bytes;
        TKodierung kodierung;
        bool bom;
    } faelle[] = {
        {"UTF-8 ohne BOM", text.toUtf8(), TKodierung::Utf8, false},
        {"UTF-8 mit BOM", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), TKodierung::Utf8, true},
        {"UTF-16 LE mit BOM", utf16le(text, true), TKodierung::Utf16LE, true},
        {"UTF-16 BE mit BOM", QByteArray("\xFE\xFF\0J\0\xF6\0r\0g\0;\0M\0\xFC\0\xDF\0i\0g", 22), TKodierung::Utf16BE, true},
        {"Windows-1252", QByteArray("J\xF6rg;M\xFC\xDFig"), TKodierung::Cp1252, false},
        // Without a mark the zero bytes on one side of every pair tell UTF-16 and its order.
        {"UTF-16 LE ohne BOM", utf16le(text, false), TKodierung::Utf16LE, false},
        {"UTF-16 BE ohne BOM", QByteArray("\0J\0\xF6\0r\0g\0;\0M\0\xFC\0\xDF\0i\0g", 20), TKodierung::Utf16BE, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const TDekodiert d = Dekodiere(f.bytes);
        ASSERT_TRUE(d.ok()) << d.Fehler.toStdString();
        EXPECT_EQ(d.Text, text);
        EXPECT_EQ(d.Kodierung, f.kodierung);
        EXPECT_EQ(d.Bom, f.bom);
        EXPECT_FALSE(d.Alternative) << "Umlaute lesen sich in jedem Kandidaten gleich";
    }
}

TEST(SchuldatenKodierung, ZweiLesartenMitVerschiedenenZeichenWerdenBeideGenannt)
{
    // 0xA4 is "¤" in Windows-1252 but "€" in ISO-8859-15; 0x80 is "€" only in Windows-1252.
    const TDekodiert d = Dekodiere(QByteArray("Preis \xA4 und \x80, M\xFCller"));
    ASSERT_TRUE(d.ok());
    ASSERT_TRUE(d.Alternative.has_value());
    EXPECT_NE(*d.Alternative, d.Kodierung);
    const TDekodiert anders = Dekodiere(QByteArray("Preis \xA4 und \x80, M\xFCller"), d.Alternative);
    EXPECT_NE(anders.Text, d.Text);
    EXPECT_TRUE(d.Text.contains(u"Müller"));
    EXPECT_TRUE(anders.Text.contains(u"Müller"));
}

TEST(SchuldatenKodierung, GewaehlteKodierungGiltUndUngueltigesWirdAbgelehnt)
{
    EXPECT_EQ(Dekodiere(QByteArray("M\xC3\xBCller"), TKodierung::Cp1252).Text, QStringLiteral("MÃ¼ller"));
    EXPECT_EQ(Dekodiere(utf16le(QStringLiteral("Öl"), false), TKodierung::Utf16LE).Text, QStringLiteral("Öl"));

    struct Fall {
        const char* was;
        QByteArray bytes;
        std::optional<TKodierung> gewaehlt;
        const char* grund;
    } faelle[] = {
        {"UTF-8-BOM mit ungültiger Folge", QByteArray("\xEF\xBB\xBFM\xFCller"), {}, "UTF-8"},
        {"UTF-8 gewählt, Windows-1252 gegeben", QByteArray("M\xFCller"), TKodierung::Utf8, "UTF-8"},
        {"UTF-16 mit ungerader Länge", QByteArray("\xFF\xFEM\0\xFC", 5), {}, "UTF-16"},
        {"Nullzeichen in 8-Bit-Text", QByteArray("Name\0Name", 9), {}, "Nullzeichen"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const TDekodiert d = Dekodiere(f.bytes, f.gewaehlt);
        EXPECT_FALSE(d.ok());
        EXPECT_TRUE(d.Fehler.contains(QString::fromUtf8(f.grund))) << d.Fehler.toStdString();
    }
    // UTF-16 consists of zero bytes for ASCII: they are no reason to refuse it.
    EXPECT_TRUE(Dekodiere(utf16le(QStringLiteral("Name;Klasse"), true)).ok());
}

TEST(SchuldatenCsv, FelderZeilenUndPhysischeZeilennummern)
{
    struct Fall {
        const char* was;
        QString text;
        QChar trenner;
        QList<TCsvZeile> erwartet;
    } faelle[] = {
        {"CR LF", QStringLiteral("a;b\r\nc;d\r\n"), u';', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"nur CR", QStringLiteral("a;b\rc;d"), u';', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"nur LF, leere Zeilen zählen mit", QStringLiteral("a\n\n\nb\n"), u';', {{1, {"a"}}, {4, {"b"}}}},
        {"Anführungszeichen mit Trenner und verdoppeltem Zeichen", QStringLiteral("\"x;y\";\"sagt \"\"hi\"\"\""),
         u';', {{1, {"x;y", "sagt \"hi\""}}}},
        {"Umbruch im Feld verschiebt die Zeilennummer", QStringLiteral("\"a\r\nb\";c\r\nd;e"), u';',
         {{1, {"a\nb", "c"}}, {3, {"d", "e"}}}},
        {"leere Felder", QStringLiteral(";;x;"), u';', {{1, {"", "", "x", ""}}}},
        {"Tabulator", QStringLiteral("a\tb c\n"), u'\t', {{1, {"a", "b c"}}}},
        {"Zeichen 26 beendet den Text", QStringLiteral("a,b\n\x1A" "c,d\n"), u',', {{1, {"a", "b"}}}},
        {"Zeile nur aus Trennern ist leer", QStringLiteral("a|b\n||\nc|d"), u'|', {{1, {"a", "b"}}, {3, {"c", "d"}}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const QList<TCsvZeile> z = LeseCsv(f.text, f.trenner);
        ASSERT_EQ(z.size(), f.erwartet.size());
        for (qsizetype i = 0; i < z.size(); ++i) {
            EXPECT_EQ(z[i].Zeile, f.erwartet[i].Zeile);
            EXPECT_EQ(z[i].Felder, f.erwartet[i].Felder);
        }
    }
}

TEST(SchuldatenCsv, TrennzeichenWirdErkannt)
{
    struct Fall {
        QString text;
        QChar erwartet;
    } faelle[] = {
        {QStringLiteral("Klasse;Nachname;Vorname\n7b;Weber, Anna;x\n"), u';'},
        {QStringLiteral("Klasse,Nachname\n7b,Weber\n5a,Meier\n"), u','},
        {QStringLiteral("Klasse\tName, Vorname\n7b\tWeber, Anna\n"), u'\t'},
        {QStringLiteral("a|b|c\n1|2|3\n"), u'|'},
        {QStringLiteral("\"a;b\",c\n\"d;e\",f\n"), u','},
        {QStringLiteral("nur ein Name\n"), u';'},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ErkenneTrenner(f.text), f.erwartet) << f.text.toStdString();
}

TEST(SchuldatenFelder, KopfAliaseOhneRuecksichtAufSchreibweise)
{
    struct Fall {
        QString kopf;
        TQuellArt art;
        std::optional<TFeld> feld;
    } faelle[] = {
        {QStringLiteral("Schülernachname"), TQuellArt::Schueler, TFeld::Nachname},
        {QStringLiteral("SCHUELERNACHNAME"), TQuellArt::Schueler, TFeld::Nachname},
        {QStringLiteral("Last_Name"), TQuellArt::Lehrer, TFeld::Nachname},
        {QStringLiteral("Rufname"), TQuellArt::Schueler, TFeld::Vorname},
        {QStringLiteral("Klasse/Kurs"), TQuellArt::Schueler, TFeld::Klasse},
        {QStringLiteral("LEH_Kuerzel"), TQuellArt::Lehrer, TFeld::Kuerzel},
        {QStringLiteral("Lehrerkürzel"), TQuellArt::Lehrer, TFeld::Kuerzel},
        {QStringLiteral(" Stammraum "), TQuellArt::Lehrer, TFeld::Raum},
        {QStringLiteral("Gesprächswünsche"), TQuellArt::Wuensche, TFeld::Wunsch},
        {QStringLiteral("Wunsch 3"), TQuellArt::Wuensche, TFeld::Wunsch},
        {QStringLiteral("Lehrer 12"), TQuellArt::Wuensche, TFeld::Wunsch},
        {QStringLiteral("Lehrer"), TQuellArt::Unterricht, TFeld::Kuerzel},
        {QStringLiteral("Geburtsdatum"), TQuellArt::Schueler, std::nullopt},
        {QStringLiteral("Titel"), TQuellArt::Schueler, std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FeldAusKopf(f.kopf, f.art), f.feld) << f.kopf.toStdString();

    EXPECT_EQ(ZuordnungAusKopf({"Name", "Nachname", "Wunsch 1", "Wunsch 2"}, TQuellArt::Wuensche),
              (TZuordnung{TFeld::Nachname, TFeld::Keins, TFeld::Wunsch, TFeld::Wunsch}));
    EXPECT_EQ(ArtAusKopf({"Klasse", "Nachname", "Wünsche"}), TQuellArt::Wuensche);
    EXPECT_EQ(ArtAusKopf({"Klasse", "Familienname", "Rufname"}), TQuellArt::Schueler);
    EXPECT_EQ(ArtAusKopf({"Kürzel", "Nachname"}), TQuellArt::Lehrer);
    EXPECT_EQ(ArtAusKopf({"Datum", "Betrag"}), std::nullopt);
    EXPECT_EQ(StundenplanArt(QStringLiteral("/tmp/x/gpu004.txt")), TQuellArt::Lehrer);
    EXPECT_EQ(StundenplanArt(QStringLiteral("GPU002.TXT")), TQuellArt::Unterricht);
    EXPECT_EQ(StundenplanArt(QStringLiteral("GPU0100.TXT")), std::nullopt);
}

TEST(SchuldatenMuster, LeereTeileFallenMitIhremRahmenWeg)
{
    struct Fall {
        QString muster;
        TNamensTeile teile;
        QString erwartet;
    } faelle[] = {
        {StandardLehrerMuster, {{"Titel", "Dr."}, {"Nachname", "Weber"}, {"Raum", "R 101"}}, "Dr. Weber (R 101)"},
        {StandardLehrerMuster, {{"Titel", ""}, {"Nachname", "Weber"}, {"Raum", "R 101"}}, "Weber (R 101)"},
        {StandardLehrerMuster, {{"Titel", "Dr."}, {"Nachname", "Weber"}, {"Raum", ""}}, "Dr. Weber"},
        {StandardLehrerMuster, {{"Titel", ""}, {"Nachname", "Du Bois"}, {"Raum", "  "}}, "Du Bois"},
        {StandardElternMuster, {{"Klasse", "7b"}, {"Nachname", "Weber"}, {"Vorname", "Anna"}}, "7b: Weber, Anna"},
        {StandardElternMuster, {{"Klasse", "7b"}, {"Nachname", "Weber"}, {"Vorname", ""}}, "7b: Weber"},
        {StandardElternMuster, {{"Klasse", ""}, {"Nachname", "Weber"}, {"Vorname", "Anna"}}, "Weber, Anna"},
        {QStringLiteral("{Nachname}, {Vorname} [{Klasse}]"), {{"Klasse", ""}, {"Nachname", "Weber"}, {"Vorname", ""}},
         "Weber"},
        {QStringLiteral("{Kürzel} – {Nachname}"), {{"Kürzel", "WEB"}, {"Nachname", "Weber"}}, "WEB – Weber"},
        {QStringLiteral("{Nachname} {Unbekannt}"), {{"Nachname", "Weber"}}, "Weber {Unbekannt}"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(WendeMusterAn(f.muster, f.teile), f.erwartet) << f.muster.toStdString();
}

TEST(SchuldatenFelder, GemerkteZuordnungGiltFuerDieNaechsteDatei)
{
    // The user took "Name" as first name and dropped "Klasse" last time.
    const QStringList kopf{"Klasse", "Familienname", "Name"};
    const QString gemerkt = ZuordnungAlsText({TFeld::Keins, TFeld::Nachname, TFeld::Vorname}, kopf);
    EXPECT_EQ(gemerkt, QStringLiteral("Klasse=Keins|Familienname=Nachname|Name=Vorname"));

    // A new file with the columns in another order and other spelling.
    const QStringList neuerKopf{"NAME", "klasse", "Familienname", "Geburtstag"};
    const TZuordnung erkannt = ZuordnungAusKopf(neuerKopf, TQuellArt::Schueler);
    EXPECT_EQ(ZuordnungAusText(gemerkt, neuerKopf, 4, erkannt),
              (TZuordnung{TFeld::Vorname, TFeld::Keins, TFeld::Nachname, TFeld::Keins}));
    EXPECT_EQ(ZuordnungAusText(gemerkt, {"Datum", "Betrag"}, 2, {}), std::nullopt);

    // Without header, positions; they do not apply to a file with a header.
    const QString ohneKopf = ZuordnungAlsText({TFeld::Keins, TFeld::Nachname, TFeld::Keins, TFeld::Klasse}, {});
    EXPECT_EQ(ohneKopf, QStringLiteral("#2=Nachname|#4=Klasse"));
    EXPECT_EQ(ZuordnungAusText(ohneKopf, {}, 5, {TFeld::Nachname}),
              (TZuordnung{TFeld::Keins, TFeld::Nachname, TFeld::Keins, TFeld::Klasse, TFeld::Keins}));
    EXPECT_EQ(ZuordnungAusText(ohneKopf, kopf, 3, {}), std::nullopt);
}
