// Door sheets: the rows of a teacher's day, the pages of a long day, and the printed text
// of a small hand-built day as a reader extracts it from the PDF.
#include "pdf_pruefen.h"
#include "tuerdrucker.h"
#include "tuerliste.h"

#include "model/sprechtag.h"
#include "termine/termine.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QString Frei = QStringLiteral("— frei —");

/// 15:00 to 16:00 in 10-minute slots, a break 15:30 to 15:40.
void KleinerTag(TSprechtag& tag)
{
    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(16, 0));
    tag.SetSprechTakt(10);
    TPause* p = tag.NeuePause();
    p->SetStart(Zeit::Kodiere(15, 30));
    p->SetDauer(Zeit::Minuten(10));
    tag.BerechnePausenSlots();
    tag.LehrerUebernehmen(QStringLiteral("Ahorn (B12)"));
    tag.LehrerUebernehmen(QStringLiteral("Birke"));
    tag.ElternUebernehmen(QStringLiteral("7b: Weber, Anna"));
    tag.ElternUebernehmen(QStringLiteral("5a: Özdemir, Jörg"));
    tag.Lehrer.Suche(QStringLiteral("Ahorn (B12)"))->Zeitplan = {QStringLiteral("15:00 Uhr: 7b: Weber, Anna"),
                                                                  QStringLiteral("15:20 Uhr: 5a: Özdemir, Jörg")};
    TLehrer* birke = tag.Lehrer.Suche(QStringLiteral("Birke"));
    birke->AbweichZeit = true;
    birke->StartZeit = Zeit::Kodiere(15, 40);
    birke->EndZeit = Zeit::Kodiere(16, 0);
    birke->Zeitplan = {QStringLiteral("15:40 Uhr: "), QStringLiteral("15:50 Uhr: 7b: Weber, Anna")};
    tag.PlaeneGueltig = true;
}

QStringList Zeilen(const std::vector<TTuerZeile>& zeilen)
{
    QStringList z;
    for (const TTuerZeile& r : zeilen)
        z << (r.zeit + QStringLiteral("  ") + r.text).trimmed();
    return z;
}

TTuerTexte FesteTexte()
{
    TTuerTexte t;
    t.SchulName = QStringLiteral("Gymnasium am Teich");
    t.Headline2 = QStringLiteral("Elternsprechtag am 12.03.");
    // 15:30 UTC is 16:30 on the school's clock in December, whatever zone the test runs in.
    t.Stand = QDateTime(QDate(2026, 12, 10), QTime(15, 30, 59), Qt::UTC);
    return t;
}

/// The text of one page as pdftotext lays it out, each line trimmed, blank runs between
/// columns shown as two blanks, empty lines dropped.
QStringList SeitenText(const QString& pfad, int seite)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"),
                                          QString::number(seite), pfad, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("pdftotext gescheitert")};
    QStringList zeilen;
    static const QRegularExpression luecke(QStringLiteral("\\s{2,}"));
    for (QString z : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        z = z.trimmed().replace(luecke, QStringLiteral("  "));
        if (!z.isEmpty())
            zeilen << z;
    }
    return zeilen;
}

} // namespace

TEST(Tuerliste, ZeilenEinesTages)
{
    TSprechtag tag;
    KleinerTag(tag);
    struct Fall {
        const char* lehrer;
        QStringList plan; // empty: as the day has it
        QStringList erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Ahorn (B12)",
         {},
         {"15:00  7b: Weber, Anna", "15:10  " + Frei, "15:20  5a: Özdemir, Jörg", "15:30  Pause", "15:40  " + Frei,
          "15:50  " + Frei}},
        // Own hours: only the teacher's slots; a free-slot line is a free slot.
        {"Birke", {}, {"15:40  " + Frei, "15:50  7b: Weber, Anna"}},
        // Edited by hand: a talk in the break stands instead of "Pause", a line outside the
        // hours keeps its place in time, two names in one slot both show, a line without
        // any time comes last.
        {"Ahorn (B12)",
         {"15:30 Uhr: 7b: Weber, Anna", "14:50 Uhr: 9c: Früh, Eva", "Bitte anrufen", "15:10 Uhr: A", "15:10 Uhr: B"},
         {"14:50  9c: Früh, Eva", "15:00  " + Frei, "15:10  A", "15:10  B", "15:20  " + Frei,
          "15:30  7b: Weber, Anna", "15:40  " + Frei, "15:50  " + Frei, "Bitte anrufen"}},
    };
    for (const Fall& f : faelle) {
        TLehrer* l = tag.Lehrer.Suche(QString::fromUtf8(f.lehrer));
        ASSERT_NE(l, nullptr);
        const QStringList vorher = l->Zeitplan;
        if (!f.plan.isEmpty())
            l->Zeitplan = f.plan;
        EXPECT_EQ(Zeilen(TuerZeilen(tag, *l)), f.erwartet) << f.lehrer;
        l->Zeitplan = vorher;
    }
}

// Also run by CTest under TZ=Europe/Berlin, UTC and America/New_York.
TEST(TuerlisteStand, ZeigtDieUhrDerSchule)
{
    const struct {
        QDateTime moment;
        const char* text;
    } faelle[] = {
        {QDateTime(QDate(2027, 3, 28), QTime(15, 30), Qt::UTC), "Stand: 28.03.2027, 17:30 Uhr"},
        {QDateTime(QDate(2027, 10, 31), QTime(16, 30), Qt::UTC), "Stand: 31.10.2027, 17:30 Uhr"},
        {QDateTime(QDate(2027, 1, 12), QTime(23, 15), Qt::UTC), "Stand: 13.01.2027, 00:15 Uhr"},
        // A moment given in another zone is the same moment.
        {QDateTime(QDate(2027, 5, 3), QTime(11, 0), QTimeZone(QByteArrayLiteral("America/New_York"))),
         "Stand: 03.05.2027, 17:00 Uhr"},
    };
    for (const auto& f : faelle) {
        TTuerTexte t;
        t.Stand = f.moment;
        EXPECT_EQ(t.StandText(), QString::fromUtf8(f.text));
    }
}

TEST(Tuerliste, LehrkraftOhneSprechzeit)
{
    TSprechtag tag;
    KleinerTag(tag);
    TLehrer* l = tag.Lehrer.Suche(QStringLiteral("Birke"));
    l->StartZeit = l->EndZeit = Zeit::Kodiere(16, 0);
    l->Zeitplan.clear();
    const auto zeilen = TuerZeilen(tag, *l);
    ASSERT_EQ(zeilen.size(), 1u);
    EXPECT_EQ(zeilen[0].art, TTuerZeile::Art::Keine);
    EXPECT_EQ(zeilen[0].text, QStringLiteral("— keine Sprechzeit —"));
}

TEST(Tuerliste, RaumUndName)
{
    const std::vector<std::array<const char*, 3>> faelle = {
        {"Ahornbrink (B20)", "Ahornbrink", "B20"},
        {"Dr. Kühn ( 1.04 )", "Dr. Kühn", "1.04"},
        {"Birke", "Birke", ""},
        {"Meyer (Sport) (H2)", "Meyer (Sport)", "H2"},
        {"(A1)", "(A1)", "A1"},
        {"Weber (R 12) Mathe", "Weber Mathe", "R 12"},
    };
    for (const auto& [voll, name, raum] : faelle) {
        EXPECT_EQ(NameOhneRaum(QString::fromUtf8(voll)), QString::fromUtf8(name)) << voll;
        EXPECT_EQ(Termine::Raum(QString::fromUtf8(voll)), QString::fromUtf8(raum)) << voll;
    }
}

TEST(Tuerliste, LangerTagGehtAufZweiteSeiteMitKopf)
{
    TSprechtag tag;
    KleinerTag(tag);
    // 15:00 to 19:00 in 5-minute slots: 48 rows, one of them the break.
    tag.SetSprechEnde(Zeit::Kodiere(19, 0));
    tag.SetSprechTakt(5);
    tag.BerechnePausenSlots();
    tag.Lehrer.Suche(QStringLiteral("Birke"))->AbweichZeit = false;
    const auto seiten = PlaneTuerlisten(tag, {QStringLiteral("birke"), QStringLiteral("Ahorn (B12)"), QStringLiteral("Unbekannt")},
                                        FesteTexte());
    ASSERT_EQ(TuerLayout::ZeilenProSeite(), 25);
    ASSERT_EQ(seiten.size(), 4u);
    EXPECT_EQ(seiten[0].lehrer, QStringLiteral("Ahorn (B12)"));
    EXPECT_EQ(seiten[2].lehrer, QStringLiteral("Birke"));
    for (const TTuerSeite& s : seiten) {
        EXPECT_EQ(s.seiten, 2);
        QStringList texte;
        for (const TTuerText& t : s.texte) {
            texte << t.text;
            // Everything inside the frame.
            EXPECT_GE(t.x, TuerLayout::X0);
            EXPECT_LE(t.x, TuerLayout::X1);
            EXPECT_GE(t.y, TuerLayout::Y0);
            EXPECT_LE(t.y, TuerLayout::Y1 - 2);
        }
        for (const TTuerLinie& l : s.linien)
            EXPECT_LE(std::max(l.y1, l.y2), TuerLayout::Y1);
        EXPECT_TRUE(texte.contains(QStringLiteral("Seite %1 von 2").arg(s.seite)));
        EXPECT_TRUE(texte.contains(QStringLiteral("Gymnasium am Teich")));
        EXPECT_TRUE(texte.contains(QStringLiteral("Stand: 10.12.2026, 16:30 Uhr")));
        EXPECT_TRUE(texte.contains(QStringLiteral("Notizen")));
    }
    // The second page goes on where the first ended: 25 + 23 rows.
    const auto zeitenAuf = [](const TTuerSeite& s) {
        QStringList z;
        for (const TTuerText& t : s.texte)
            if (t.schrift == TTuerText::Schrift::Zeit)
                z << t.text;
        return z;
    };
    EXPECT_EQ(zeitenAuf(seiten[0]).size(), 25);
    EXPECT_EQ(zeitenAuf(seiten[0]).last(), QStringLiteral("17:00"));
    EXPECT_EQ(zeitenAuf(seiten[1]).first(), QStringLiteral("17:05"));
    EXPECT_EQ(zeitenAuf(seiten[1]).last(), QStringLiteral("18:55"));
}

TEST(TuerlistePdf, GoldtextEinesKleinenTages)
{
    TSprechtag tag;
    KleinerTag(tag);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tuer.pdf"));
    const auto fehler = TuerlistenAlsPdf(pfad, tag, tag.Lehrer.Namen(), FesteTexte());
    ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
    ASSERT_EQ(PdfPruefen::Seiten(pfad), 2);
    const QStringList ahorn = {
        "Ahorn",
        "Raum B12",
        "Gymnasium am Teich",
        "Elternsprechtag am 12.03.",
        "Stand: 10.12.2026, 16:30 Uhr",
        "Zeit  Eltern  Notizen",
        "15:00  7b: Weber, Anna",
        "15:10  — frei —",
        "15:20  5a: Özdemir, Jörg",
        "15:30  Pause",
        "15:40  — frei —",
        "15:50  — frei —",
        // The footnote's two blanks are a narrow gap that a reader takes for one.
        "Erstellt mit Kalumo. kalumo.example.org",
    };
    EXPECT_EQ(SeitenText(pfad, 1).join(u'\n').toStdString(), ahorn.join(u'\n').toStdString());
    const QStringList birke = {
        "Birke",
        "Gymnasium am Teich",
        "Elternsprechtag am 12.03.",
        "Stand: 10.12.2026, 16:30 Uhr",
        "Zeit  Eltern  Notizen",
        "15:40  — frei —",
        "15:50  7b: Weber, Anna",
        "Erstellt mit Kalumo. kalumo.example.org",
    };
    EXPECT_EQ(SeitenText(pfad, 2).join(u'\n').toStdString(), birke.join(u'\n').toStdString());
}

/// A word of a PDF page with its box in millimetres, as pdftotext -bbox reports it.
struct TWort {
    QString text;
    double x0 = 0, y0 = 0, x1 = 0;
};

std::vector<TWort> Woerter(const QString& pfad, int seite)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"),
                                          QString::number(seite), pfad, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    const double mmProPunkt = 25.4 / 72.0;
    std::vector<TWort> w;
    auto it = wort.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        w.push_back({m.captured(4), m.captured(1).toDouble() * mmProPunkt, m.captured(2).toDouble() * mmProPunkt,
                     m.captured(3).toDouble() * mmProPunkt});
    }
    return w;
}

// The notes column takes all the room the names leave: it begins a few millimetres after
// the widest name as the PDF shows it, and only names too long for the old 82 mm are
// narrowed (the notes keep at least 63 mm from 124 mm on). Measured in the PDF, not
// with the planner's own widths.
TEST(TuerlistePdf, NotizenSoBreitWieDieNamenErlauben)
{
    const QString lang = QStringLiteral("7b: Mustermann-Schmidt-Leutheusser, Anna-Katharina Friederike");
    const struct {
        const char* fall;
        QStringList plan;
        double notizenVon, notizenBis; // left edge of the word "Notizen", mm
    } faelle[] = {
        // Short names: 2 mm before the rule, 1 mm for rounding, 2 mm after it.
        {"kurz", {}, 0, 0},
        {"lang", {QStringLiteral("15:00 Uhr: ") + lang}, 125.5, 126.5},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        KleinerTag(tag);
        if (!f.plan.isEmpty())
            tag.Lehrer.Suche(QStringLiteral("Ahorn (B12)"))->Zeitplan = f.plan;
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("tuer.pdf"));
        ASSERT_FALSE(TuerlistenAlsPdf(pfad, tag, {QStringLiteral("Ahorn (B12)")}, FesteTexte()).has_value());
        const std::vector<TWort> woerter = Woerter(pfad, 1);
        ASSERT_FALSE(woerter.empty()) << f.fall;
        double notizen = -1, kopfY = 0, rechts = 0;
        for (const TWort& w : woerter)
            if (w.text == QLatin1String("Notizen")) {
                notizen = w.x0;
                kopfY = w.y0;
            }
        ASSERT_GT(notizen, 0) << f.fall;
        // The names column: words of the rows that begin right of the time column.
        for (const TWort& w : woerter)
            if (w.y0 > kopfY + 3 && w.y0 < 260 && w.x0 > 38)
                rechts = std::max(rechts, w.x1);
        ASSERT_GT(rechts, 60) << f.fall;
        EXPECT_LT(rechts, notizen - 3.5) << f.fall << ": Namen reichen bis " << rechts << " mm";
        if (f.notizenBis > 0) {
            EXPECT_GE(notizen, f.notizenVon) << f.fall;
            EXPECT_LE(notizen, f.notizenBis) << f.fall;
        } else {
            // Widest: no more than 5 mm and rounding between the widest name and the header.
            EXPECT_LT(notizen - rechts, 7.0) << f.fall << ": Namen bis " << rechts << ", Notizen ab " << notizen;
            EXPECT_LT(notizen, 120.0) << f.fall;
        }
    }
}

TEST(TuerlistePdf, UnschreibbaresZielMeldetDatei)
{
    TSprechtag tag;
    KleinerTag(tag);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fehlt/tuer.pdf"));
    const auto fehler = TuerlistenAlsPdf(pfad, tag, tag.Lehrer.Namen(), FesteTexte());
    ASSERT_TRUE(fehler.has_value());
    EXPECT_TRUE(fehler->contains(pfad)) << fehler->toStdString();
    EXPECT_FALSE(QFile::exists(pfad));
}
