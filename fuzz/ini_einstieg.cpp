#include "ini_einstieg.h"

#include "ini/inidokument.h"

#include <QByteArray>
#include <QStringDecoder>
#include <cstdio>
#include <cstdlib>

namespace {

void Pruefe(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was);
        std::abort();
    }
}

} // namespace

int IniFuzzEinstieg(const std::uint8_t* daten, std::size_t laenge)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(laenge));

    // Whatever the file held, once the program has written it, it stays as it is.
    const QByteArray erst = TIniDokument::AusBytes(bytes).Bytes();
    const QByteArray zweit = TIniDokument::AusBytes(erst).Bytes();
    Pruefe(zweit == erst, "Lesen und Schreiben einer geschriebenen Datei ändert sie");

    // A value set into the file reads back as set (line breaks become blanks, blanks
    // around it go), and that file too stays as it is. The value is the input's tail,
    // a U+FEFF at its start included.
    QStringDecoder dekodierer(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString wert = dekodierer.decode(bytes.right(64));
    TIniDokument d = TIniDokument::AusBytes(bytes);
    d.Setze(QStringLiteral("Druck"), QStringLiteral("SchulName"), wert);
    const QByteArray mitWert = d.Bytes();
    const TIniDokument zurueck = TIniDokument::AusBytes(mitWert);
    QString erwartet = wert;
    erwartet.replace(QLatin1String("\r\n"), QLatin1String(" "));
    erwartet.replace(QLatin1Char('\r'), QLatin1Char(' '));
    erwartet.replace(QLatin1Char('\n'), QLatin1Char(' '));
    Pruefe(zurueck.Wert(QStringLiteral("Druck"), QStringLiteral("SchulName")) == erwartet.trimmed(),
           "ein gesetzter Wert kommt anders zurück");
    Pruefe(zurueck.Bytes() == mitWert, "Lesen und Schreiben nach dem Setzen ändert die Datei");
    return 0;
}
