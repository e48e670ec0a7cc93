// Importing a school's exports: the names and requests each small invented fixture must
// give, the refusals, and applying the whole import as one step.
#include "model/sprechtag.h"
#include "schuldaten/schulimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

QString datei(const char* name)
{
    return QStringLiteral(KALUMO_TESTDATEN "/schuldaten/") + QString::fromUtf8(name);
}

TGeleseneQuelle lies(const char* name, TQuellArt art)
{
    TQuelle q;
    q.Pfad = datei(name);
    q.Art = art;
    return LeseQuelle(q);
}

/// Lines left out, merged or with an unresolved wish, in line order.
QList<int> problemZeilen(const TDateiBericht& b)
{
    QList<int> z;
    for (const TProblem& p : b.Probleme)
        z.append(p.Zeile);
    for (const TOffenerWunsch& o : b.Offen)
        z.append(o.Zeile);
    std::sort(z.begin(), z.end());
    return z;
}

/// The teachers and pupils of the timetable fixtures, as a day that already holds them.
void schuleAnlegen(TSprechtag& tag, QList<TGeleseneQuelle>& quellen)
{
    quellen = {lies("GPU004.TXT", TQuellArt::Lehrer), lies("utf8/GPU010.TXT", TQuellArt::Schueler),
               lies("utf8/GPU002.TXT", TQuellArt::Unterricht)};
    WendeImportAn(tag, PlaneImport(tag, quellen, {}));
}

QStringList wuensche(const TSprechtag& tag, const QString& eltern)
{
    const TEltern* e = tag.Eltern.Suche(eltern);
    return e ? e->Sprechwuensche : QStringList{QStringLiteral("<kein Eintrag>")};
}

} // namespace

TEST(SchuldatenImport, JedeFormatfamilieGibtIhreNamen)
{
    struct Fall {
        const char* datei;
        TQuellArt art;
        TKodierung kodierung;
        QChar trenner;
        bool kopf;
        QStringList namen;
        int doppelt;
        QList<int> probleme;
    } faelle[] = {
        {"GPU004.TXT", TQuellArt::Lehrer, TKodierung::Cp1252, u';', false,
         {"Dr. Weber (R 101)", "Müller", "Du Bois (B 2)", "Schäfer (R 7)", "Klein (R 3)"}, 1, {5, 6}},
        {"utf8/GPU010.TXT", TQuellArt::Schueler, TKodierung::Utf8, u',', false,
         {"7b: Weber, Lena", "7b: Özkan, Ümit", "5a: Meier, Zoë", "5a: Nowak, Lukasz", "9c: Meier, Tom"}, 0, {}},
        {"schueler_semikolon.csv", TQuellArt::Schueler, TKodierung::Cp1252, u';', true,
         {"6a: Schröder, Jörn", "6a: Graf \"Zeppelin\", Ida", "6b: Wolf; von, Max", "6b: Lang Kurz, Eva",
          "6c: Schröder, Jörn"},
         1, {8, 10}},
        {"lehrer_bom.csv", TQuellArt::Lehrer, TKodierung::Utf8, u',', true, {"Hartmann (A 12)", "Prof. Dr. Koch"}, 0, {}},
        {"schueler_unicode.csv", TQuellArt::Schueler, TKodierung::Utf16LE, u';', true,
         {"8a: Yilmaz, Elif", "8a: Krüger, Lara", "8b: Fuß, Noah"}, 0, {}},
        {"lehrer_tab.txt", TQuellArt::Lehrer, TKodierung::Cp1252, u'\t', true, {"Brändle (C 4)", "Dr. Lorenz"}, 0, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        const TGeleseneQuelle q = lies(f.datei, f.art);
        ASSERT_TRUE(q.ok()) << q.Fehler.toStdString();
        EXPECT_EQ(q.Kodierung, f.kodierung);
        EXPECT_EQ(q.Trenner, f.trenner);
        EXPECT_EQ(q.Kopf, f.kopf);
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, {q}, {});
        EXPECT_EQ(f.art == TQuellArt::Lehrer ? plan.NeueLehrer : plan.NeueEltern, f.namen);
        ASSERT_EQ(plan.Berichte.size(), 1);
        EXPECT_EQ(plan.Berichte[0].Doppelt, f.doppelt);
        EXPECT_EQ(problemZeilen(plan.Berichte[0]), f.probleme);
    }
}

TEST(SchuldatenImport, AbgelehnteZeilenNennenIhrenGrund)
{
    TSprechtag tag;
    TImportMuster ohneUmschrift;
    ohneUmschrift.Umschreiben = false;
    const TImportPlan plan = PlaneImport(tag, {lies("schueler_unicode.csv", TQuellArt::Schueler)}, ohneUmschrift);
    ASSERT_EQ(plan.Berichte[0].Probleme.size(), 1);
    const QString grund = plan.Berichte[0].Probleme[0].Grund;
    EXPECT_TRUE(grund.contains(u"Yılmaz")) << grund.toStdString();
    EXPECT_TRUE(grund.contains(u"U+0131")) << grund.toStdString();
    EXPECT_EQ(plan.Berichte[0].Abgelehnt, 1);
}

TEST(SchuldatenImport, VorhandeneNamenWerdenUebersprungenOhneRuecksichtAufSchreibweise)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("DR. WEBER (R 101)"));
    const TImportPlan plan = PlaneImport(tag, {lies("GPU004.TXT", TQuellArt::Lehrer)}, {});
    EXPECT_FALSE(plan.NeueLehrer.contains(QStringLiteral("Dr. Weber (R 101)")));
    EXPECT_EQ(plan.Berichte[0].Vorhanden, 1);
    EXPECT_EQ(plan.Berichte[0].Doppelt, 1) << "line 5 repeats line 1 (same short name)";
    EXPECT_EQ(plan.Berichte[0].Neu, 4);
}

TEST(SchuldatenImport, SprechwuenscheNachKuerzelNachnameUndFach)
{
    struct Wunsch {
        QString eltern;
        QStringList lehrer;
    };
    struct Fall {
        const char* datei;
        QList<Wunsch> erwartet;
        int neu;
        QList<int> probleme;
    } faelle[] = {
        {"wuensche_kuerzel.csv",
         {{"7b: Weber, Lena", {"Dr. Weber (R 101)", "Du Bois (B 2)"}},
          {"7b: Özkan, Ümit", {"Müller", "Dr. Weber (R 101)"}},
          {"5a: Meier, Zoë", {}}},
         4, {4, 5}},
        {"wuensche_namen.csv",
         {{"9c: Meier, Tom", {"Klein (R 3)", "Du Bois (B 2)"}},
          {"7b: Weber, Lena", {"Dr. Weber (R 101)", "Müller", "Schäfer (R 7)"}},
          {"5a: Meier, Zoë", {"Dr. Weber (R 101)"}}},
         6, {4}},
        {"wuensche_faecher.csv",
         {{"7b: Weber, Lena", {"Dr. Weber (R 101)", "Müller", "Du Bois (B 2)"}},
          {"5a: Meier, Zoë", {"Schäfer (R 7)", "Dr. Weber (R 101)"}},
          {"9c: Meier, Tom", {"Klein (R 3)"}},
          {"7b: Özkan, Ümit", {}}},
         6, {5, 6}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        TSprechtag tag;
        QList<TGeleseneQuelle> quellen;
        schuleAnlegen(tag, quellen);
        quellen.append(lies(f.datei, TQuellArt::Wuensche));
        ASSERT_TRUE(quellen.last().ok()) << quellen.last().Fehler.toStdString();
        const TImportPlan plan = PlaneImport(tag, quellen, {});
        const TDateiBericht& b = plan.Berichte.last();
        EXPECT_EQ(b.WuenscheNeu, f.neu);
        EXPECT_EQ(problemZeilen(b), f.probleme);
        WendeImportAn(tag, plan);
        for (const Wunsch& w : f.erwartet)
            EXPECT_EQ(wuensche(tag, w.eltern), w.lehrer) << w.eltern.toStdString();
    }
}

TEST(SchuldatenImport, WunschOhneLehrerdateiFindetKuerzelImNamenUndMeldetMehrdeutiges)
{
    TSprechtag tag;
    for (const char* n : {"Herr Weber WEB (R 101)", "Frau Weber WBR (R 102)", "Klein (R 3)"})
        tag.LehrerUebernehmen(QString::fromUtf8(n));
    tag.ElternUebernehmen(QStringLiteral("7b: Otto"));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("w.csv"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Eintrag;Lehrer\n7b: Otto;WEB\n\n7b: Otto;Weber\n7b: Otto;klein (r 3)\n");
    f.close();
    TQuelle q;
    q.Pfad = pfad;
    q.Art = TQuellArt::Wuensche;
    const TImportPlan plan = PlaneImport(tag, {LeseQuelle(q)}, {});
    WendeImportAn(tag, plan);
    EXPECT_EQ(wuensche(tag, QStringLiteral("7b: Otto")),
              (QStringList{"Herr Weber WEB (R 101)", "Klein (R 3)"}));
    EXPECT_TRUE(plan.Berichte[0].Probleme.isEmpty());
    ASSERT_EQ(plan.Berichte[0].Offen.size(), 1);
    EXPECT_EQ(plan.Berichte[0].Offen[0].Zeile, 4);
    EXPECT_EQ(plan.Berichte[0].Offen[0].Kandidaten,
              (QStringList{"Frau Weber WBR (R 102)", "Herr Weber WEB (R 101)"}));
}

TEST(SchuldatenImport, DateienDieNichtGelesenWerdenKoennenWerdenAbgelehnt)
{
    QTemporaryDir dir;
    auto schreibe = [&](const char* name, const QByteArray& inhalt) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
        return f.fileName();
    };
    struct Fall {
        QString pfad;
        const char* grund;
    } faelle[] = {
        {schreibe("gross.csv", QByteArray(MaxBytes + 1, 'a')), "MB"},
        {schreibe("null.csv", QByteArray("Name\0x\n", 7)), "Nullzeichen"},
        {schreibe("bom.csv", QByteArray("\xEF\xBB\xBFNachname\nM\xFCller\n")), "UTF-8"},
        {dir.filePath(QStringLiteral("fehlt.csv")), "gibt es nicht"},
        {dir.path(), "Ordner"},
        // Files picked by mistake say what they are; a text-only PDF starts like text.
        {schreibe("lehrer.pdf", "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n"), "Sie ist ein PDF-Dokument, keine Liste."},
        {schreibe("lehrer.xlsx", QByteArray("PK\x03\x04\x14\0\x06\0", 8) + "[Content_Types].xml PK xl/workbook.xml"),
         "Sie ist eine Excel-Arbeitsmappe (.xlsx), keine Liste."},
        {schreibe("lehrer.ods", QByteArray("PK\x03\x04\x14\0\0\0", 8) + "mimetypeapplication/vnd.oasis.opendocument.spreadsheet"),
         "OpenDocument-Tabelle"},
        {schreibe("lehrer.zip", QByteArray("PK\x03\x04\x14\0\0\0", 8) + "lehrer.csv"), "ZIP-Archiv"},
        {schreibe("alt.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10)), "alten Format (.xls oder .doc)"},
        {schreibe("foto.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), "PNG-Bild"},
        {schreibe("foto.jpg", QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10)), "JPEG-Bild"},
        {schreibe("liste.csv.gz", QByteArray("\x1F\x8B\x08\0\0\0", 6)), "gzip-Archiv"},
        {schreibe("liste.7z", QByteArray("7z\xBC\xAF\x27\x1C\0\x04", 8)), "7-Zip-Archiv"},
        {schreibe("tag.qvt", QByteArray("QVT file rev 9  \x02\x01\x02\x01\x06\x01" "A\x08", 24)), "Tagesdatei"},
        {schreibe("leer.csv", QByteArray()), "ist leer."},
        {schreibe("nur_leerzeilen.csv", QByteArray("\r\n  \r\n")), "ist leer."},
    };
    for (const Fall& f : faelle) {
        TQuelle q;
        q.Pfad = f.pfad;
        q.Art = TQuellArt::Schueler;
        const TGeleseneQuelle g = LeseQuelle(q);
        EXPECT_FALSE(g.ok()) << f.pfad.toStdString();
        EXPECT_TRUE(g.Fehler.contains(QFileInfo(f.pfad).fileName())) << g.Fehler.toStdString();
        EXPECT_TRUE(g.Fehler.contains(QString::fromUtf8(f.grund))) << g.Fehler.toStdString();
    }
}

TEST(SchuldatenImport, OffenesAnfuehrungszeichenNenntZeileUndNimmtNichts)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("schueler.csv"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Nachname;Vorname;Klasse\r\nLang;Eva;7a\r\nWeber;\"Anna;7b\r\nMeier;Jan;5a\r\nKlein;Tom;6c\r\n");
    f.close();
    TQuelle q;
    q.Pfad = pfad;
    q.Art = TQuellArt::Schueler;
    const TGeleseneQuelle g = LeseQuelle(q);
    EXPECT_EQ(g.Fehler, QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\nDas Anführungszeichen in Zeile 3 "
                                       "wird nicht geschlossen; es schließt den ganzen Rest der Datei ein. Bitte prüfen "
                                       "Sie diese Zeile.")
                            .arg(QDir::toNativeSeparators(pfad)));
    EXPECT_TRUE(g.Zeilen.isEmpty());
    // A quote closed on a later line is a field with a line break, as before.
    QFile f2(pfad);
    ASSERT_TRUE(f2.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f2.write("Nachname;Vorname;Klasse\r\nWeber;\"Anna\r\nLena\";7b\r\n");
    f2.close();
    EXPECT_TRUE(LeseQuelle(q).ok());
}

TEST(SchuldatenImport, AnwendenIstEinSchrittUndWuenscheMachenPlaeneUngueltig)
{
    TSprechtag tag;
    QList<TGeleseneQuelle> quellen;
    schuleAnlegen(tag, quellen);
    tag.PlaeneGueltig = true;

    // Names alone leave the plans alone, as the text import does.
    const TImportPlan nurNamen = PlaneImport(tag, {lies("lehrer_tab.txt", TQuellArt::Lehrer)}, {});
    EXPECT_FALSE(nurNamen.MachtPlaeneUngueltig(tag));
    WendeImportAn(tag, nurNamen);
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_TRUE(tag.Lehrer.Enthaelt(QStringLiteral("Brändle (C 4)")));

    quellen.append(lies("wuensche_kuerzel.csv", TQuellArt::Wuensche));
    const TImportPlan plan = PlaneImport(tag, quellen, {});
    EXPECT_TRUE(plan.NeueLehrer.isEmpty());
    EXPECT_TRUE(plan.MachtPlaeneUngueltig(tag));
    EXPECT_TRUE(wuensche(tag, QStringLiteral("7b: Weber, Lena")).isEmpty()) << "planen ändert nichts";
    WendeImportAn(tag, plan);
    EXPECT_FALSE(tag.PlaeneGueltig);

    // A second import of the same wishes finds them all present.
    const TImportPlan nochmal = PlaneImport(tag, quellen, {});
    EXPECT_TRUE(nochmal.Leer());
    EXPECT_EQ(nochmal.Berichte.last().WuenscheVorhanden, 4);
}

TEST(SchuldatenImport, EigeneMusterUndZuordnungen)
{
    TImportMuster muster;
    muster.Lehrer = QStringLiteral("{Nachname}, {Vorname} ({Kürzel})");
    TQuelle q;
    q.Pfad = datei("lehrer_bom.csv");
    q.Art = TQuellArt::Lehrer;
    // The user swaps first and surname columns.
    q.Zuordnung = TZuordnung{TFeld::Kuerzel, TFeld::Vorname, TFeld::Nachname};
    TSprechtag tag;
    const TImportPlan plan = PlaneImport(tag, {LeseQuelle(q)}, muster);
    EXPECT_EQ(plan.NeueLehrer, (QStringList{"Björn, Hartmann (HAR)", "Sünje, Koch (KOC)"}));
}

TEST(SchuldatenImport, BerichtNenntKodierungSpaltenUndZeilen)
{
    TSprechtag tag;
    const QList<TGeleseneQuelle> quellen{lies("GPU004.TXT", TQuellArt::Lehrer)};
    const QString text = BerichtText(quellen, PlaneImport(tag, quellen, {}));
    for (const char* teil : {"Kodierung: Windows-1252", "Trennzeichen: Semikolon", "Kopfzeile: nein (Stundenplan",
                             "1 Kürzel, 2 Nachname, 5 Raum, 29 Vorname, 30 Titel",
                             "Neu: 5, schon vorhanden: 0, doppelt in der Datei: 1, abgelehnt: 1", "GPU004.TXT, Zeile 6:"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil << "\n" << text.toStdString();
}
