// People, not names: namesakes with different keys stay apart, repeated records are
// taken once, wishes find their pupil and teacher however a school's programs spell
// them, and names from every language go into a Windows-1252 day.
#include "model/sprechtag.h"
#include "schuldaten/faecher.h"
#include "schuldaten/schulimport.h"
#include "schuldaten/umschrift.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

QString datei(const char* name)
{
    return QStringLiteral(KALUMO_TESTDATEN "/schuldaten/namensgleiche/") + QString::fromUtf8(name);
}

TGeleseneQuelle lies(const QString& pfad, TQuellArt art)
{
    TQuelle q;
    q.Pfad = pfad;
    q.Art = art;
    return LeseQuelle(q);
}

QList<int> zeilen(const QList<TProblem>& probleme, bool doppelt)
{
    QList<int> z;
    for (const TProblem& p : probleme)
        if (p.Doppelt == doppelt)
            z.append(p.Zeile);
    return z;
}

QStringList wuensche(const TSprechtag& tag, const QString& eltern)
{
    const TEltern* e = tag.Eltern.Suche(eltern);
    return e ? e->Sprechwuensche : QStringList{QStringLiteral("<kein Eintrag>")};
}

} // namespace

TEST(SchuldatenPersonen, NamensgleicheMitVerschiedenemSchluesselBleibenZwei)
{
    struct Fall {
        const char* datei;
        TQuellArt art;
        QStringList namen;
        QList<int> doppelt;
        QList<int> namensgleiche;
    } faelle[] = {
        // Different short names: two teachers, told apart by first name.
        {"lehrer.csv", TQuellArt::Lehrer, {"Weber, Christine", "Weber, Ralf", "Klein (R 3)", "Müller"}, {5}, {2, 3}},
        // Same class, name and first name, different pupil numbers: the number tells them
        // apart; the same number twice is one pupil, a line without number repeated too.
        {"schueler.csv",
         TQuellArt::Schueler,
         {"6a: Weiß, Jan (12345)", "6a: Weiß, Jan (12346)", "6b: Roth, Mia", "7c: Berg, Tim", "8a: Pfeiffer, Ayse"},
         {5, 7},
         {2, 3}},
        // No key column: lines that differ in any column are two pupils; one that only
        // leaves a column empty is the same.
        {"ohne_nummer.csv", TQuellArt::Schueler, {"6a: Schmitt, Lea (1)", "6a: Schmitt, Lea (2)"}, {4}, {2, 3}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        const TGeleseneQuelle q = lies(datei(f.datei), f.art);
        ASSERT_TRUE(q.ok()) << q.Fehler.toStdString();
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, {q}, {});
        EXPECT_EQ(f.art == TQuellArt::Lehrer ? plan.NeueLehrer : plan.NeueEltern, f.namen);
        const TDateiBericht& b = plan.Berichte[0];
        EXPECT_EQ(zeilen(b.Probleme, true), f.doppelt);
        EXPECT_EQ(b.Doppelt, f.doppelt.size());
        QList<int> gleich;
        for (const TNamensAenderung& a : b.Namensgleiche)
            gleich.append(a.Zeile);
        EXPECT_EQ(gleich, f.namensgleiche);

        const QString bericht = BerichtText({q}, plan);
        EXPECT_TRUE(bericht.contains(u"Namensgleiche (verschiedene Personen, Namen ergänzt):")) << bericht.toStdString();
    }
}

TEST(SchuldatenPersonen, BerichtNenntNamensgleicheUnterEigenerUeberschrift)
{
    const TGeleseneQuelle q = lies(datei("lehrer.csv"), TQuellArt::Lehrer);
    TSprechtag tag;
    const QString bericht = BerichtText({q}, PlaneImport(tag, {q}, {}));
    EXPECT_TRUE(bericht.contains(u"Neu: 4, schon vorhanden: 0, doppelt in der Datei: 1, abgelehnt: 0, Namensgleiche: 2"))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(u"Namensgleiche (verschiedene Personen, Namen ergänzt):\n"
                                 "  lehrer.csv, Zeile 2: Weber → Weber, Christine\n"
                                 "  lehrer.csv, Zeile 3: Weber → Weber, Ralf\n"))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(u"Doppelte Zeilen (einmal übernommen):\n"
                                 "  lehrer.csv, Zeile 5: „Weber, Christine“ steht schon in Zeile 2")
                || bericht.contains(u"  lehrer.csv, Zeile 5: „Weber“ steht schon in Zeile 2"))
        << bericht.toStdString();
}

TEST(SchuldatenPersonen, SchuelernummerAlsMusterteil)
{
    TImportMuster muster;
    muster.Eltern = QStringLiteral("{Klasse}: {Nachname}, {Vorname} [{Schülernummer}]");
    TSprechtag tag;
    const TImportPlan plan = PlaneImport(tag, {lies(datei("schueler.csv"), TQuellArt::Schueler)}, muster);
    EXPECT_EQ(plan.NeueEltern, (QStringList{"6a: Weiß, Jan [12345]", "6a: Weiß, Jan [12346]", "6b: Roth, Mia [12347]",
                                            "7c: Berg, Tim", "8a: Pfeiffer, Ayse"}));
    EXPECT_TRUE(plan.Berichte[0].Namensgleiche.isEmpty()) << "das Muster unterscheidet sie schon";
}

TEST(SchuldatenPersonen, WuenscheFindenDieRichtigePersonOderMeldenMehrdeutiges)
{
    TSprechtag tag;
    const QList<TGeleseneQuelle> quellen{lies(datei("lehrer.csv"), TQuellArt::Lehrer),
                                         lies(datei("schueler.csv"), TQuellArt::Schueler),
                                         lies(datei("wuensche.csv"), TQuellArt::Wuensche)};
    const TImportPlan plan = PlaneImport(tag, quellen, {});
    WendeImportAn(tag, plan);
    // By pupil number; by short name to the right namesake.
    EXPECT_EQ(wuensche(tag, QStringLiteral("6a: Weiß, Jan (12346)")), (QStringList{"Weber, Ralf", "Klein (R 3)"}));
    EXPECT_TRUE(wuensche(tag, QStringLiteral("6a: Weiß, Jan (12345)")).isEmpty());
    // First name and surname in any order find the one teacher; the surname alone is
    // ambiguous.
    EXPECT_EQ(wuensche(tag, QStringLiteral("6b: Roth, Mia")), (QStringList{"Weber, Christine"}));
    // The form spells "Ayşe" and "Frau Mueller", the exports "Ayse" and "Müller".
    EXPECT_EQ(wuensche(tag, QStringLiteral("8a: Pfeiffer, Ayse")), (QStringList{"Müller"}));
    // A salutation and a title before a short name.
    EXPECT_EQ(wuensche(tag, QStringLiteral("7c: Berg, Tim")), (QStringList{"Klein (R 3)"}));

    const TDateiBericht& b = plan.Berichte.last();
    EXPECT_EQ(b.WuenscheNeu, 5);
    EXPECT_EQ(zeilen(b.Probleme, false), (QList<int>{3})) << "Weiß, Jan ohne Nummer ist nicht eindeutig";
    ASSERT_EQ(b.Offen.size(), 2);
    EXPECT_EQ(b.Offen[0].Zeile, 4);
    EXPECT_EQ(b.Offen[0].Kandidaten, (QStringList{"Weber, Christine", "Weber, Ralf"}));
    EXPECT_EQ(b.Offen[1].Zeile, 7);
    EXPECT_EQ(b.Offen[1].Text, QStringLiteral("XQZ"));
    const QString bericht = BerichtText(quellen, plan);
    EXPECT_TRUE(bericht.contains(u"Nicht zugeordnete Wünsche:\n"
                                 "  wuensche.csv, „Weber“ passt zu mehreren Lehrkräften: „Weber, Christine“, "
                                 "„Weber, Ralf“ – 1 Zeile: 4\n"
                                 "  wuensche.csv, „XQZ“ passt zu keiner Lehrkraft und zu keinem Fach der Klasse 7c "
                                 "– 1 Zeile: 7\n"))
        << bericht.toStdString();
}

TEST(SchuldatenPersonen, GefalteterSchluesselDerAufZweiPasstIstMehrdeutig)
{
    TSprechtag tag;
    for (const char* n : {"8a: Pfeiffer, Ayse", "8a: Pfeiffer, Aysé", "8b: Öztürk, Can"})
        tag.ElternUebernehmen(QString::fromUtf8(n));
    tag.LehrerUebernehmen(QStringLiteral("Klein (R 3)"));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("w.csv"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // Exact spelling wins; another accent fits both; a name without accents fits one.
    f.write("Eintrag;Lehrer\n8a: PFEIFFER, AYSÉ;Klein\n8a: Pfeiffer, Ayşe;Klein\n8b: Ozturk, Can;Klein\n"
            "8b: Oeztuerk-Can;Klein\n");
    f.close();
    const TImportPlan plan = PlaneImport(tag, {lies(pfad, TQuellArt::Wuensche)}, {});
    WendeImportAn(tag, plan);
    EXPECT_EQ(wuensche(tag, QStringLiteral("8a: Pfeiffer, Aysé")), (QStringList{"Klein (R 3)"}));
    EXPECT_TRUE(wuensche(tag, QStringLiteral("8a: Pfeiffer, Ayse")).isEmpty());
    EXPECT_EQ(wuensche(tag, QStringLiteral("8b: Öztürk, Can")), (QStringList{"Klein (R 3)"}));
    const TDateiBericht& b = plan.Berichte[0];
    EXPECT_EQ(zeilen(b.Probleme, false), (QList<int>{3, 5}));
    ASSERT_EQ(b.Probleme.size(), 2);
    EXPECT_TRUE(b.Probleme[0].Grund.contains(u"nicht eindeutig")) << b.Probleme[0].Grund.toStdString();
}

TEST(SchuldatenPersonen, UeberlangesNamensfeldIstKeinName)
{
    TQuelle q;
    q.Pfad = QStringLiteral("lang.csv");
    q.Art = TQuellArt::Schueler;
    const QByteArray bytes = "Klasse;Nachname;Vorname\n7a;" + QByteArray(1001, 'x') + ";Tim\n7a;" + QByteArray(1000, 'y')
        + ";Tim\n";
    const TGeleseneQuelle g = LeseQuelleAusBytes(q, bytes);
    ASSERT_TRUE(g.ok());
    TSprechtag tag;
    const TImportPlan plan = PlaneImport(tag, {g}, {});
    EXPECT_EQ(plan.NeueEltern, QStringList{QStringLiteral("7a: %1, Tim").arg(QString(1000, QLatin1Char('y')))});
    ASSERT_EQ(plan.Berichte[0].Probleme.size(), 1);
    EXPECT_EQ(plan.Berichte[0].Probleme[0].Zeile, 2);
    EXPECT_EQ(plan.Berichte[0].Probleme[0].Grund,
              QStringLiteral("ein Feld des Namens ist 1001 Zeichen lang, mehr als die 1000, die ein Name haben kann"));
}

TEST(SchuldatenPersonen, FaecherUeberSchulkuerzelUndEigeneTabelle)
{
    TSprechtag tag;
    QTemporaryDir dir;
    auto schreibe = [&](const char* name, const char* inhalt) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return f.fileName();
    };
    const QString lehrer = schreibe("l.csv", "Kürzel;Nachname\nPOL;Brandt\nNAW;Seidel\nREL;Vogt\n");
    const QString unterricht = schreibe("u.csv", "Klasse;Lehrer;Fach\n7a;POL;Sw\n7a;NAW;NW\n7a;REL;ER\n");
    const QString wunschDatei =
        schreibe("w.csv", "Klasse;Nachname;Wünsche\n7a;Lang;PK\n7a;Lang;Naturwissenschaften\n7a;Lang;ev. Religion\n");
    const QList<TGeleseneQuelle> quellen{lies(lehrer, TQuellArt::Lehrer), lies(unterricht, TQuellArt::Unterricht),
                                         lies(wunschDatei, TQuellArt::Wuensche)};
    tag.ElternUebernehmen(QStringLiteral("7a: Lang"));
    // Without the organiser's table "NW" and "Naturwissenschaften" stay apart.
    TImportPlan plan = PlaneImport(tag, quellen, {});
    EXPECT_EQ(plan.NeueWuensche.size(), 2) << "PK → Sw (Politik), ev. Religion → ER";
    ASSERT_EQ(plan.Berichte.last().Offen.size(), 1);
    EXPECT_EQ(plan.Berichte.last().Offen[0].Text, QStringLiteral("Naturwissenschaften"));

    TImportMuster muster;
    muster.Faecher = QStringLiteral("NW = Naturwissenschaften; Bio2=Biologie");
    plan = PlaneImport(tag, quellen, muster);
    WendeImportAn(tag, plan);
    EXPECT_EQ(wuensche(tag, QStringLiteral("7a: Lang")), (QStringList{"Brandt", "Seidel", "Vogt"}));

    QString fehler;
    FachTabelleAusText(QStringLiteral("PK=Politik; Sport"), &fehler);
    EXPECT_EQ(fehler, QStringLiteral("Der Eintrag „Sport“ der Fachkürzel hat nicht die Form „Kürzel=Fach“ (etwa "
                                     "„PK=Politik“)."));
}

TEST(SchuldatenUmschrift, NamenAusVielenSprachenInWindows1252)
{
    // Expected spellings written by hand: letters Windows-1252 has stay, the others lose
    // their accents or take their Latin reading.
    const struct {
        const char* ein;
        const char* aus;
    } faelle[] = {
        {"Yılmaz, Ayşe", "Yilmaz, Ayse"},           {"Çelik, Gülşen", "Çelik, Gülsen"},
        {"Doğan, İbrahim", "Dogan, Ibrahim"},       {"Wójcik, Łukasz", "Wójcik, Lukasz"},
        {"Zieliński, Małgorzata", "Zielinski, Malgorzata"}, {"Kowalczyk, Paweł", "Kowalczyk, Pawel"},
        {"Dvořák, Tomáš", "Dvorák, Tomáš"},         {"Černý, Jiří", "Cerný, Jirí"},
        {"Šťastná, Žofie", "Štastná, Žofie"},  {"Ștefănescu, Ionuț", "Stefanescu, Ionut"},
        {"Țurcanu, Ană", "Turcanu, Ana"},           {"Nguyễn, Thị Hương", "Nguyen, Thi Huong"},
        {"Trần, Văn Đức", "Tran, Van Duc"},         {"Müller, Zoë", "Müller, Zoë"},
        {"Straße, François", "Straße, François"},   {"Иванов, Пётр", "Ivanov, Petr"},
    };
    for (const auto& f : faelle) {
        const TUmschrift u = InWindows1252(QString::fromUtf8(f.ein));
        EXPECT_TRUE(u.ok()) << f.ein;
        EXPECT_EQ(u.Text, QString::fromUtf8(f.aus)) << f.ein << " → " << u.Text.toStdString();
    }
    // Decomposed umlauts (as some systems write them) keep their letters.
    EXPECT_EQ(InWindows1252(QStringLiteral("Mu\u0308ller")).Text, QStringLiteral("Müller"));
    // Without a Latin reading the character is named.
    const TUmschrift ohne = InWindows1252(QStringLiteral("Weber \U0001F600"));
    ASSERT_FALSE(ohne.ok());
    EXPECT_EQ(*ohne.OhneLesart, char32_t(0x1F600));
}

TEST(SchuldatenUmschrift, GefalteteSchluessel)
{
    const struct {
        const char* a;
        const char* b;
        bool gleich;
    } faelle[] = {
        {"Ayşe", "Ayse", true},           {"Müller", "Mueller", true},    {"MÜLLER", "muller", true},
        {"Meier-Lüdenscheid", "Meier Luedenscheid", true}, {"  Weber  Anna ", "Weber Anna", true},
        {"Nguyễn", "Nguyen", true},       {"Straße", "Strasse", true},    {"Łukasz", "Lukasz", true},
        {"Weber", "Webers", false},       {"Anna", "Anne", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FaltSchluessel(QString::fromUtf8(f.a)) == FaltSchluessel(QString::fromUtf8(f.b)), f.gleich)
            << f.a << " / " << f.b;
}

TEST(SchuldatenUmschrift, ImportSchreibtUmUndBerichtetOderLehntAb)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("s.csv"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("Klasse;Nachname;Vorname\n7a;Yılmaz;Ayşe\n7a;Nguyễn;Hương\n7a;Krüger;Lara\n7a;Smile;\U0001F600\n")
                .toUtf8());
    f.close();
    const TGeleseneQuelle q = lies(pfad, TQuellArt::Schueler);
    TSprechtag tag;
    TImportPlan plan = PlaneImport(tag, {q}, {});
    EXPECT_EQ(plan.NeueEltern, (QStringList{"7a: Yilmaz, Ayse", "7a: Nguyen, Huong", "7a: Krüger, Lara"}));
    const QString bericht = BerichtText({q}, plan);
    EXPECT_TRUE(bericht.contains(u"Umgeschriebene Namen:\n  s.csv, Zeile 2: 7a: Yılmaz, Ayşe → 7a: Yilmaz, Ayse\n"
                                 "  s.csv, Zeile 3: 7a: Nguyễn, Hương → 7a: Nguyen, Huong\n"))
        << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(u"Zeile 5: „7a: Smile, \U0001F600“ enthält das Zeichen")) << bericht.toStdString();
    EXPECT_TRUE(bericht.contains(u"U+1F600")) << bericht.toStdString();

    TImportMuster aus;
    aus.Umschreiben = false;
    plan = PlaneImport(tag, {q}, aus);
    EXPECT_EQ(plan.NeueEltern, (QStringList{"7a: Krüger, Lara"}));
    EXPECT_EQ(plan.Berichte[0].Abgelehnt, 3);
    EXPECT_TRUE(plan.Berichte[0].Umgeschrieben.isEmpty());
}
