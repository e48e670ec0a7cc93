#include "schuldaten/csv.h"

#include <QHash>

namespace Schuldaten {

TFelder::TFelder(std::initializer_list<QString> felder)
{
    reserve(qsizetype(felder.size()));
    for (const QString& f : felder)
        Anhaengen(f);
}

TFelder::TFelder(const QStringList& felder)
{
    reserve(felder.size());
    for (const QString& f : felder)
        Anhaengen(f);
}

QStringList TFelder::Liste() const
{
    QStringList l;
    l.reserve(size());
    for (const QStringView f : *this)
        l.append(f.toString());
    return l;
}

QList<TCsvZeile> LeseCsv(const QString& text, QChar trenner, int maxZeilen, int* offenSeit, const TLauf* lauf)
{
    if (offenSeit)
        *offenSeit = 0;
    QList<TCsvZeile> zeilen;
    qsizetype ende = text.indexOf(QChar(26));
    if (ende < 0)
        ende = text.size();
    const QChar* s = text.constData();

    int zeile = 1;
    TCsvZeile aktuell;
    aktuell.Zeile = 1;
    QString feld;
    bool inAnfuehrung = false;
    int anfuehrungZeile = 0;
    bool feldBegonnen = false; // the field started with a quote
    // Only blanks so far: a quote here opens the field. Kept as a flag, since looking at
    // the field again for every quote made a long field quadratic.
    bool nurLeer = true;

    // The field's buffer is reused: the record keeps a copy of its characters.
    auto feldEnde = [&] {
        aktuell.Felder.Anhaengen(feld);
        feld.truncate(0);
        feldBegonnen = false;
        nurLeer = true;
    };
    auto satzEnde = [&] {
        feldEnde();
        bool leer = true;
        for (const QStringView f : std::as_const(aktuell.Felder))
            if (!f.trimmed().isEmpty()) {
                leer = false;
                break;
            }
        const qsizetype felder = aktuell.Felder.size();
        if (!leer)
            zeilen.append(std::move(aktuell));
        aktuell = TCsvZeile{};
        aktuell.Zeile = zeile;
        // Records of one file have the same width: no growing field by field.
        aktuell.Felder.reserve(felder);
    };

    unsigned takt = 0;
    for (qsizetype i = 0; i < ende; ++i) {
        // Only now and then: a look at the run costs more than a character.
        if (lauf && (++takt & 0x3FFFu) == 0) {
            if (lauf->Abgebrochen())
                return {};
            lauf->Stand(double(i) / double(ende));
        }
        const QChar c = s[i];
        const bool umbruch = c == u'\r' || c == u'\n';
        if (umbruch) {
            if (c == u'\r' && i + 1 < ende && s[i + 1] == u'\n')
                ++i;
            ++zeile;
            if (inAnfuehrung) {
                feld += QLatin1Char('\n');
                continue;
            }
            satzEnde();
            if (maxZeilen > 0 && zeilen.size() >= maxZeilen)
                return zeilen;
            continue;
        }
        if (inAnfuehrung) {
            if (c == u'"') {
                if (i + 1 < ende && s[i + 1] == u'"') {
                    feld += c;
                    ++i;
                } else {
                    inAnfuehrung = false;
                }
            } else {
                // The run up to the next quote or line break in one piece.
                qsizetype j = i + 1;
                while (j < ende && s[j] != u'"' && s[j] != u'\r' && s[j] != u'\n')
                    ++j;
                feld.append(s + i, j - i);
                i = j - 1;
            }
            continue;
        }
        if (c == trenner) {
            feldEnde();
        } else if (c == u'"' && !feldBegonnen && nurLeer) {
            // Blanks before an opening quote are padding, not content.
            feld.clear();
            inAnfuehrung = true;
            anfuehrungZeile = zeile;
            feldBegonnen = true;
        } else {
            qsizetype j = i + 1;
            while (j < ende && s[j] != trenner && s[j] != u'"' && s[j] != u'\r' && s[j] != u'\n')
                ++j;
            for (qsizetype k = i; nurLeer && k < j; ++k)
                if (!s[k].isSpace())
                    nurLeer = false;
            feld.append(s + i, j - i);
            i = j - 1;
        }
    }
    if (inAnfuehrung && offenSeit)
        *offenSeit = anfuehrungZeile;
    if (!feld.isEmpty() || !aktuell.Felder.isEmpty() || feldBegonnen)
        satzEnde();
    return zeilen;
}

QChar ErkenneTrenner(const QString& text)
{
    // Enough records to see the pattern, few enough to stay quick on a large file; the
    // first 64 KB hold them in any school's export (and keep one huge record cheap).
    constexpr int Probe = 20;
    const QString probe = text.left(64 * 1024);
    QChar bester = QLatin1Char(';');
    int besteWertung = 0;
    for (const char16_t t : Trennzeichen) {
        const QList<TCsvZeile> zeilen = LeseCsv(probe, QChar(t), Probe);
        QHash<qsizetype, int> haeufigkeit;
        for (const TCsvZeile& z : zeilen)
            if (z.Felder.size() > 1)
                ++haeufigkeit[z.Felder.size()];
        // The most frequent field count decides; more fields break a tie between counts.
        int wertung = 0;
        for (auto it = haeufigkeit.cbegin(); it != haeufigkeit.cend(); ++it)
            wertung = std::max(wertung, it.value() * 1000 + int(std::min<qsizetype>(it.key(), 999)));
        if (wertung > besteWertung) {
            besteWertung = wertung;
            bester = QChar(t);
        }
    }
    return bester;
}

QString TrennerName(QChar trenner)
{
    switch (trenner.unicode()) {
    case u';':
        return QStringLiteral("Semikolon");
    case u',':
        return QStringLiteral("Komma");
    case u'\t':
        return QStringLiteral("Tabulator");
    case u'|':
        return QStringLiteral("senkrechter Strich");
    default:
        break;
    }
    return QStringLiteral("„%1“").arg(trenner);
}

} // namespace Schuldaten
