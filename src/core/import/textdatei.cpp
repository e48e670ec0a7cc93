#include "import/textdatei.h"

#include "text/textkodierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

TTextdatei fehler(const QString& pfad, const QString& grund)
{
    TTextdatei t;
    t.Fehler = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.\n%2")
                   .arg(QDir::toNativeSeparators(pfad), grund);
    return t;
}

QString systemGrund(const QFile& f)
{
    return QStringLiteral("Das System meldet: %1").arg(f.errorString());
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
    const QFileInfo info(pfad);
    if (!info.exists())
        return fehler(pfad, QStringLiteral("Die Datei gibt es nicht."));
    if (info.isDir())
        return fehler(pfad, QStringLiteral("Das ist ein Ordner, keine Datei."));

    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return fehler(pfad, info.isReadable() ? systemGrund(f)
                                              : QStringLiteral("Sie haben keine Berechtigung, die Datei zu lesen."));
    if (f.size() > MaxImportBytes)
        return fehler(pfad, QStringLiteral("Mit %1 MB ist sie zu groß für eine Namensliste oder einen Brief.")
                                .arg(f.size() / (1024 * 1024)));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fehler(pfad, systemGrund(f));

    const QString text = Textkodierung::Dekodiere(bytes);
    if (text.contains(QChar(0)))
        return fehler(pfad, QStringLiteral("Sie enthält Nullzeichen und ist wohl keine Textdatei."));

    TTextdatei t;
    t.ok = true;
    t.Zeilen = TextZeilen(text);
    return t;
}
