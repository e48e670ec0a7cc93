#include "schuldaten/kodierung.h"

#include "text/cp1252.h"

#include <QStringDecoder>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>

namespace Schuldaten {
namespace {

bool istAscii(const QByteArray& b)
{
    for (const char c : b)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

/// Decodes strictly; nullopt on an invalid sequence.
std::optional<QString> streng(QStringDecoder::Encoding e, QByteArrayView bytes)
{
    QStringDecoder d(e, QStringDecoder::Flag::Stateless);
    QString s = d.decode(bytes);
    if (d.hasError())
        return std::nullopt;
    return s;
}

QString latin9(const QByteArray& bytes)
{
    UErrorCode fehler = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> conv(ucnv_open("ISO-8859-15", &fehler), &ucnv_close);
    if (!conv || U_FAILURE(fehler))
        return QString::fromLatin1(bytes);
    QString s(bytes.size(), Qt::Uninitialized);
    const int32_t n = ucnv_toUChars(conv.get(), reinterpret_cast<UChar*>(s.data()), int32_t(s.size()),
                                    bytes.constData(), int32_t(bytes.size()), &fehler);
    s.resize(U_SUCCESS(fehler) ? n : 0);
    return s;
}

std::optional<QString> dekodiereAls(TKodierung k, const QByteArray& bytes)
{
    switch (k) {
    case TKodierung::Utf8:
        return streng(QStringDecoder::Utf8, bytes);
    case TKodierung::Utf16LE:
        if (bytes.size() % 2)
            return std::nullopt;
        return streng(QStringDecoder::Utf16LE, bytes);
    case TKodierung::Utf16BE:
        if (bytes.size() % 2)
            return std::nullopt;
        return streng(QStringDecoder::Utf16BE, bytes);
    case TKodierung::Cp1252:
        return Cp1252::Dekodiere(bytes);
    case TKodierung::Latin9:
        return latin9(bytes);
    }
    return std::nullopt;
}

std::optional<TKodierung> ausIcuName(const char* name)
{
    const QByteArray n = QByteArray(name).toLower();
    if (n == "utf-8")
        return TKodierung::Utf8;
    if (n == "utf-16le")
        return TKodierung::Utf16LE;
    if (n == "utf-16be")
        return TKodierung::Utf16BE;
    if (n == "windows-1252" || n == "iso-8859-1")
        return TKodierung::Cp1252;
    if (n == "iso-8859-15")
        return TKodierung::Latin9;
    return std::nullopt;
}

/// ICU's guesses among the encodings we read, best first.
QList<TKodierung> icuKandidaten(const QByteArray& bytes)
{
    QList<TKodierung> liste;
    UErrorCode fehler = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> det(ucsdet_open(&fehler), &ucsdet_close);
    if (U_FAILURE(fehler))
        return liste;
    ucsdet_setText(det.get(), bytes.constData(), int32_t(bytes.size()), &fehler);
    int32_t anzahl = 0;
    const UCharsetMatch** treffer = ucsdet_detectAll(det.get(), &anzahl, &fehler);
    if (U_FAILURE(fehler))
        return liste;
    for (int32_t i = 0; i < anzahl; ++i) {
        UErrorCode e = U_ZERO_ERROR;
        if (const auto k = ausIcuName(ucsdet_getName(treffer[i], &e)); k && U_SUCCESS(e) && !liste.contains(*k))
            liste.append(*k);
    }
    return liste;
}

/// UTF-16 without a byte-order mark: Latin text puts a zero byte into every other byte,
/// always on the same side. Other text holds no zero bytes at all.
std::optional<TKodierung> utf16OhneBom(const QByteArray& b)
{
    if (b.size() < 2 || b.size() % 2)
        return std::nullopt;
    const qsizetype paare = std::min<qsizetype>(b.size(), 64 * 1024) / 2;
    qsizetype geradeNull = 0, ungeradeNull = 0;
    for (qsizetype i = 0; i < paare; ++i) {
        geradeNull += b[2 * i] == '\0';
        ungeradeNull += b[2 * i + 1] == '\0';
    }
    const auto einseitig = [&](qsizetype viele, qsizetype wenige) {
        return viele * 4 >= paare && wenige * 20 <= viele;
    };
    if (einseitig(ungeradeNull, geradeNull))
        return TKodierung::Utf16LE;
    if (einseitig(geradeNull, ungeradeNull))
        return TKodierung::Utf16BE;
    return std::nullopt;
}

TDekodiert fehler(const QString& grund)
{
    TDekodiert d;
    d.Fehler = grund;
    return d;
}

QString ungueltig(TKodierung k)
{
    return QStringLiteral("Sie ist nicht gültig in %1 kodiert (ungültige Bytefolge).").arg(KodierungsName(k));
}

} // namespace

QString KodierungsName(TKodierung k)
{
    switch (k) {
    case TKodierung::Utf8:
        return QStringLiteral("UTF-8");
    case TKodierung::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case TKodierung::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case TKodierung::Cp1252:
        return QStringLiteral("Windows-1252");
    case TKodierung::Latin9:
        return QStringLiteral("ISO-8859-15");
    }
    return {};
}

std::optional<TKodierung> KodierungAusName(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == u"utf-8" || n == u"utf8")
        return TKodierung::Utf8;
    if (n == u"utf-16" || n == u"utf16" || n == u"utf-16le")
        return TKodierung::Utf16LE;
    if (n == u"utf-16be")
        return TKodierung::Utf16BE;
    if (n == u"cp1252" || n == u"windows-1252" || n == u"iso-8859-1" || n == u"latin1")
        return TKodierung::Cp1252;
    if (n == u"iso-8859-15" || n == u"latin9")
        return TKodierung::Latin9;
    return std::nullopt;
}

TDekodiert Dekodiere(const QByteArray& bytes, std::optional<TKodierung> gewaehlt)
{
    // The byte-order mark comes first: it says the encoding and is never part of the text.
    std::optional<TKodierung> bom;
    qsizetype bomLaenge = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bom = TKodierung::Utf8;
        bomLaenge = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        bom = TKodierung::Utf16LE;
        bomLaenge = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        bom = TKodierung::Utf16BE;
        bomLaenge = 2;
    }
    // A chosen UTF-16 follows the mark's byte order; any other choice overrides the mark.
    if (gewaehlt && bom && (*gewaehlt == TKodierung::Utf16LE || *gewaehlt == TKodierung::Utf16BE)
        && (*bom == TKodierung::Utf16LE || *bom == TKodierung::Utf16BE))
        gewaehlt = bom;
    const TKodierung k = gewaehlt ? *gewaehlt : bom ? *bom : TKodierung::Cp1252;
    const bool bomPasst = bom && *bom == k;
    const QByteArray rumpf = bomPasst ? bytes.mid(bomLaenge) : bytes;
    const bool utf16 = k == TKodierung::Utf16LE || k == TKodierung::Utf16BE;

    if (!utf16 && rumpf.contains('\0')) {
        if (!gewaehlt && !bom)
            if (const auto art = utf16OhneBom(rumpf))
                if (const auto text = dekodiereAls(*art, rumpf)) {
                    TDekodiert d;
                    d.Text = *text;
                    d.Kodierung = *art;
                    return d;
                }
        return fehler(QStringLiteral("Sie enthält Nullzeichen und ist wohl keine Textdatei."));
    }

    TDekodiert d;
    d.Bom = bomPasst;
    if (gewaehlt || bom) {
        const auto text = dekodiereAls(k, rumpf);
        if (!text)
            return fehler(ungueltig(k));
        d.Text = *text;
        d.Kodierung = k;
        return d;
    }

    // No mark and no choice. Pure ASCII reads the same in every candidate; valid UTF-8
    // with non-ASCII bytes practically never is meant as 8-bit text.
    if (istAscii(rumpf)) {
        d.Text = QString::fromLatin1(rumpf);
        d.Kodierung = TKodierung::Utf8;
        return d;
    }
    if (auto text = streng(QStringDecoder::Utf8, rumpf)) {
        d.Text = *text;
        d.Kodierung = TKodierung::Utf8;
        return d;
    }
    // An 8-bit code page: ICU ranks them; Windows-1252 and ISO-8859-15 share the umlauts
    // but differ in eight letters (€, Š, Ž, Œ, …) and in the range 0x80–0x9F, so when the
    // file holds such bytes both readings are offered.
    QList<TKodierung> kandidaten;
    for (const TKodierung c : icuKandidaten(rumpf))
        if (c == TKodierung::Cp1252 || c == TKodierung::Latin9)
            kandidaten.append(c);
    for (const TKodierung c : {TKodierung::Cp1252, TKodierung::Latin9})
        if (!kandidaten.contains(c))
            kandidaten.append(c);
    d.Kodierung = kandidaten.first();
    d.Text = *dekodiereAls(d.Kodierung, rumpf);
    const QString anders = *dekodiereAls(kandidaten[1], rumpf);
    if (anders != d.Text)
        d.Alternative = kandidaten[1];
    return d;
}

} // namespace Schuldaten
