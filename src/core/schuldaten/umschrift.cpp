#include "schuldaten/umschrift.h"

#include "text/cp1252.h"

#include <QHash>
#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace Schuldaten {
namespace {

icu::UnicodeString alsIcu(const QString& s)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(s.utf16()), int32_t(s.size()));
}

QString ausIcu(const icu::UnicodeString& u)
{
    return QString(reinterpret_cast<const QChar*>(u.getBuffer()), u.length());
}

std::unique_ptr<icu::Transliterator> erzeuge(const char* regeln)
{
    UErrorCode fehler = U_ZERO_ERROR;
    UParseError pos;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createFromRules(
        "kalumo", icu::UnicodeString::fromUTF8(regeln), UTRANS_FORWARD, pos, fehler));
    if (U_FAILURE(fehler))
        t.reset();
    return t;
}

/// Only the characters outside Windows-1252 are touched: the global filter is the
/// complement of the code page (C1 controls never reach a name).
icu::Transliterator* umschreiber()
{
    // A transliterator is not to be shared between threads; the wizard plans on a worker.
    thread_local std::unique_ptr<icu::Transliterator> t = erzeuge(
        ":: [^\\u0000-\\u007F\\u00A0-\\u00FF\\u20AC\\u201A\\u0192\\u201E\\u2026\\u2020\\u2021\\u02C6\\u2030"
        "\\u0160\\u2039\\u0152\\u017D\\u2018\\u2019\\u201C\\u201D\\u2022\\u2013\\u2014\\u02DC\\u2122\\u0161"
        "\\u203A\\u0153\\u017E\\u0178] ;\n"
        ":: Any-Latin ;\n"
        ":: Latin-ASCII ;\n");
    return t.get();
}

icu::Transliterator* falter()
{
    thread_local std::unique_ptr<icu::Transliterator> t = erzeuge(":: Any-Latin ;\n:: Latin-ASCII ;\n");
    return t.get();
}

/// Folding works character by character; the few distinct characters of a school's
/// names are transliterated once per thread.
const QString& gefaltet(char32_t c)
{
    thread_local QHash<char32_t, QString> cache;
    auto it = cache.find(c);
    if (it != cache.end())
        return *it;
    const QString ein = QString::fromUcs4(&c, 1);
    QString aus = ein;
    if (icu::Transliterator* t = falter()) {
        icu::UnicodeString u = alsIcu(ein);
        t->transliterate(u);
        aus = ausIcu(u);
    }
    return *cache.insert(c, aus.toCaseFolded());
}

} // namespace

TUmschrift InWindows1252(const QString& text)
{
    TUmschrift u;
    u.Text = text;
    // A combining accent is no Windows-1252 character either, so text without any needs
    // no work.
    if (!Cp1252::ErstesFremdesZeichen(text))
        return u;
    // Decomposed input ("u" + combining diaeresis) would otherwise lose its accents.
    u.Text = text.normalized(QString::NormalizationForm_C);
    if (!Cp1252::ErstesFremdesZeichen(u.Text))
        return u;
    if (icu::Transliterator* t = umschreiber()) {
        icu::UnicodeString s = alsIcu(u.Text);
        t->transliterate(s);
        u.Text = ausIcu(s);
    }
    u.OhneLesart = Cp1252::ErstesFremdesZeichen(u.Text);
    return u;
}

QString FaltSchluessel(const QString& text)
{
    QString f;
    f.reserve(text.size());
    bool blank = true; // drops leading blanks and collapses runs
    auto anhaengen = [&](QChar c) {
        if (c.isSpace() || c == u'-' || c == u'_' || c == u'\u2010' || c == u'\u2013') {
            if (!blank)
                f += QLatin1Char(' ');
            blank = true;
            return;
        }
        blank = false;
        const char16_t u = c.unicode();
        f += (u >= u'A' && u <= u'Z') ? QChar(u + 32) : c;
    };
    const QString nfc = text.normalized(QString::NormalizationForm_C);
    for (qsizetype i = 0; i < nfc.size(); ++i) {
        const QChar c = nfc[i];
        if (c.unicode() < 0x80) {
            anhaengen(c);
            continue;
        }
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < nfc.size() && nfc[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, nfc[i + 1]);
            ++i;
        }
        for (const QChar g : gefaltet(cp))
            anhaengen(g);
    }
    if (f.endsWith(QLatin1Char(' ')))
        f.chop(1);
    // "Mueller" and "Müller" (folded to "muller") are the same name in practice.
    f.replace(QLatin1String("ae"), QLatin1String("a"));
    f.replace(QLatin1String("oe"), QLatin1String("o"));
    f.replace(QLatin1String("ue"), QLatin1String("u"));
    return f;
}

} // namespace Schuldaten
