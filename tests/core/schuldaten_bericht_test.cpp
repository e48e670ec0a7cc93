// The import report on generated imports (namesakes, repeated lines, control characters,
// foreign letters, titles, unknown and ambiguous wishes): every count it gives equals the
// number of lines it lists under the matching heading, and salutations never show up as
// wishes of their own.
#include "model/sprechtag.h"
#include "schuldaten/schulimport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace Schuldaten;

namespace {

struct TErzeugt {
    QByteArray lehrer, schueler, wuensche;
};

TErzeugt erzeuge(unsigned saat)
{
    std::mt19937 zufall(saat);
    auto wahl = [&](const QStringList& l) { return l[int(zufall() % l.size())]; };
    const QStringList nachnamen{"Weber", "Weber", "Yılmaz", "Nguyễn", "Klein", "Groß", "Łuczak", "Meier"};
    const QStringList vornamen{"Anna", "Ralf", "Ayşe", "Jan", "", "Zoë"};
    const QStringList kuerzel{"WEB", "WEE", "YIL", "NGU", "KLE", "GRO", "LUC", "MEI", "", "WEB"};
    QString t = QStringLiteral("Kürzel;Nachname;Vorname;Titel\n");
    for (int i = 0; i < 30; ++i) {
        QString nach = wahl(nachnamen);
        if (zufall() % 8 == 0)
            nach.insert(2, QChar(u'\x07'));
        if (zufall() % 10 == 0)
            nach.clear();
        t += QStringLiteral("%1;%2;%3;%4\n").arg(wahl(kuerzel), nach, wahl(vornamen), zufall() % 3 ? "" : "Dr.");
    }
    TErzeugt e;
    e.lehrer = t.toUtf8();
    t = QStringLiteral("Schülernummer;Klasse;Nachname;Vorname\n");
    for (int i = 0; i < 40; ++i) {
        const QString nummer = zufall() % 3 ? QString::number(100 + zufall() % 30) : QString();
        QString nach = wahl(nachnamen);
        if (zufall() % 9 == 0)
            nach += QChar(u'\x1b');
        if (zufall() % 12 == 0)
            nach = QStringLiteral("\U0001F600");
        t += QStringLiteral("%1;%2;%3;%4\n").arg(nummer, zufall() % 2 ? "7a" : "7b", nach, wahl(vornamen));
    }
    e.schueler = t.toUtf8();
    const QStringList wuensche{"WEB",      "Herr Weber", "Frau Dr. KLE", "Herr",      "XQZ",   "Weber", "Frau",
                               "Mathe",    "Anna Weber", "Hr. Groß",     "kle, xqz",  "StR",   "Meier", "ev. Religion",
                               "Yilmaz",   "OStR Meier", "Qwertz",       "Nguyen"};
    t = QStringLiteral("Klasse;Nachname;Vorname;Wünsche\n");
    for (int i = 0; i < 60; ++i)
        t += QStringLiteral("%1;%2;%3;\"%4, %5\"\n")
                 .arg(zufall() % 2 ? "7a" : "7b", wahl(nachnamen), wahl(vornamen), wahl(wuensche), wahl(wuensche));
    e.wuensche = t.toUtf8();
    return e;
}

/// The number in "name: N" of a count line, or -1.
int zahl(const QString& zeile, const QString& name)
{
    const QRegularExpression re(QRegularExpression::escape(name) + QStringLiteral(": (\\d+)"));
    const auto m = re.match(zeile);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

/// The lines under a heading that belong to one file.
QStringList abschnitt(const QString& bericht, const QString& kopf, const QString& datei)
{
    QStringList zeilen;
    bool drin = false;
    for (const QString& z : bericht.split(QLatin1Char('\n'))) {
        if (!z.startsWith(QLatin1Char(' '))) {
            drin = z == kopf;
            continue;
        }
        if (drin && z.startsWith(QStringLiteral("  %1, ").arg(datei)))
            zeilen.append(z);
    }
    return zeilen;
}

} // namespace

TEST(SchuldatenBericht, JedeZahlIstDieAnzahlIhrerZeilen)
{
    QTemporaryDir dir;
    for (unsigned saat = 1; saat <= 25; ++saat) {
        SCOPED_TRACE(saat);
        const TErzeugt e = erzeuge(saat);
        QList<TGeleseneQuelle> quellen;
        for (const auto& [name, bytes, art] : {std::tuple{"lehrer.csv", e.lehrer, TQuellArt::Lehrer},
                                               std::tuple{"schueler.csv", e.schueler, TQuellArt::Schueler},
                                               std::tuple{"wuensche.csv", e.wuensche, TQuellArt::Wuensche}}) {
            TQuelle q;
            q.Pfad = dir.filePath(QString::fromLatin1(name));
            q.Art = art;
            quellen.append(LeseQuelleAusBytes(q, bytes));
            ASSERT_TRUE(quellen.last().ok()) << quellen.last().Fehler.toStdString();
        }
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, quellen, {});
        const QString bericht = BerichtText(quellen, plan);
        const QStringList zeilen = bericht.split(QLatin1Char('\n'));

        for (const QString& datei : {QStringLiteral("lehrer.csv"), QStringLiteral("schueler.csv")}) {
            const qsizetype i = zeilen.indexOf(QRegularExpression(QStringLiteral(".*: .*%1$").arg(datei)));
            ASSERT_GE(i, 0);
            const QString zahlen = zeilen[i + 5];
            ASSERT_TRUE(zahlen.startsWith(u"  Neu: ")) << zahlen.toStdString();
            const struct {
                const char* name;
                const char* kopf;
            } paare[] = {{"doppelt in der Datei", "Doppelte Zeilen (einmal übernommen):"},
                         {"abgelehnt", "Abgelehnte Zeilen:"},
                         {"Namensgleiche", "Namensgleiche (verschiedene Personen, Namen ergänzt):"},
                         {"umgeschrieben", "Umgeschriebene Namen:"},
                         {"mit Steuerzeichen", "Steuerzeichen durch Leerzeichen ersetzt:"}};
            for (const auto& p : paare) {
                const int n = std::max(0, zahl(zahlen, QString::fromUtf8(p.name)));
                EXPECT_EQ(n, abschnitt(bericht, QString::fromUtf8(p.kopf), datei).size())
                    << datei.toStdString() << " " << p.name << "\n" << bericht.toStdString();
            }
        }

        const qsizetype w = zeilen.indexOf(QRegularExpression(QStringLiteral(".*wuensche.csv$")));
        ASSERT_GE(w, 0);
        const QString zahlen = zeilen[w + 5];
        int offen = 0;
        for (const QString& z : abschnitt(bericht, QStringLiteral("Nicht zugeordnete Wünsche:"), QStringLiteral("wuensche.csv"))) {
            // "„XQZ“ … – 3 Zeilen: 12, 40, 77": the number and the list agree.
            const auto m = QRegularExpression(QStringLiteral("– (\\d+) Zeilen?: ([\\d, ]+)$")).match(z);
            ASSERT_TRUE(m.hasMatch()) << z.toStdString();
            EXPECT_EQ(m.captured(1).toInt(), m.captured(2).split(QStringLiteral(", ")).size()) << z.toStdString();
            offen += m.captured(1).toInt();
            for (const char* anrede : {"„Herr“", "„Frau“", "„Hr.“", "„StR“", "„Frau Dr.“"})
                EXPECT_FALSE(z.contains(QString::fromUtf8(anrede))) << z.toStdString();
        }
        EXPECT_EQ(zahl(zahlen, QStringLiteral("nicht zugeordnet")), offen) << bericht.toStdString();
        EXPECT_EQ(zahl(zahlen, QStringLiteral("Zeilen abgelehnt")),
                  abschnitt(bericht, QStringLiteral("Abgelehnte Zeilen:"), QStringLiteral("wuensche.csv")).size());
        EXPECT_FALSE(bericht.contains(QChar(u'\x07')) || bericht.contains(QChar(u'\x1b')))
            << "der Bericht selbst enthält keine Steuerzeichen";
    }
}
