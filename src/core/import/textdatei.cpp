#include "import/textdatei.h"

#include "dateisystem/lesen.h"
#include "text/textkodierung.h"

#include <QDir>
#include <QFileInfo>

namespace {

TTextdatei fehler(const QString& pfad, const QString& grund)
{
    TTextdatei t;
    t.Fehler = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.\n%2")
                   .arg(QDir::toNativeSeparators(pfad), grund);
    return t;
}

} // namespace

QStringList TextZeilen(const QString& text)
{
    QStringList zeilen;
    const qsizetype ende = [&] {
        const qsizetype eof = text.indexOf(QChar(26));
        return eof < 0 ? text.size() : eof;
    }();
    qsizetype anfang = 0;
    qsizetype i = 0;
    while (i < ende) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            zeilen.append(text.mid(anfang, i - anfang));
            if (c == QLatin1Char('\r') && i + 1 < ende && text[i + 1] == QLatin1Char('\n'))
                ++i;
            anfang = i + 1;
        }
        ++i;
    }
    if (anfang < ende)
        zeilen.append(text.mid(anfang, ende - anfang));
    return zeilen;
}

TTextdatei LeseTextdatei(const QString& pfad)
{
    using Art = Dateisystem::TGelesen::Art;
    const Dateisystem::TGelesen gelesen = Dateisystem::LiesDatei(pfad, MaxImportBytes);
    switch (gelesen.art) {
    case Art::Ok:
        break;
    case Art::NichtGeoeffnet:
    case Art::Lesefehler:
        return fehler(pfad, gelesen.Grund);
    case Art::KeineNormaleDatei:
        return fehler(pfad, QFileInfo(pfad).isDir() ? QStringLiteral("Das ist ein Ordner, keine Datei.")
                                                    : Dateisystem::KeineNormaleDatei(pfad));
    case Art::ZuGross:
        return fehler(pfad, QStringLiteral("Sie ist größer als %1 und damit zu groß für eine Namensliste oder "
                                           "einen Brief.")
                                .arg(Dateisystem::Groesse(MaxImportBytes)));
    }
    const QByteArray& bytes = gelesen.Bytes;
    const QString text = Textkodierung::Dekodiere(bytes);
    if (text.contains(QChar(0)))
        return fehler(pfad, QStringLiteral("Sie enthält Nullzeichen und ist wohl keine Textdatei."));

    TTextdatei t;
    t.ok = true;
    t.Zeilen = TextZeilen(text);
    return t;
}
