#include "versand/protokoll.h"

#include "termine/termincsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace Versand {

namespace {

const QString Kopf = QStringLiteral("Zeit;Empfänger;Was;Prüfwert;Ergebnis;Serverantwort");

// Fields of one line as Termine::CsvFeld writes them (quotes doubled, a formula-like
// field behind an apostrophe).
QStringList Felder(const QString& zeile)
{
    QStringList felder;
    QString feld;
    bool inQuote = false, warQuote = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile.at(i);
        if (inQuote) {
            if (c == u'"' && i + 1 < zeile.size() && zeile.at(i + 1) == u'"') {
                feld += u'"';
                ++i;
            } else if (c == u'"') {
                inQuote = false;
            } else {
                feld += c;
            }
        } else if (c == u'"') {
            inQuote = warQuote = true;
        } else if (c == u';') {
            if (warQuote && feld.size() > 1 && feld.front() == u'\'' && QStringLiteral("=+-@\t\r").contains(feld.at(1)))
                feld.remove(0, 1);
            felder.append(feld);
            feld.clear();
            warQuote = false;
        } else {
            feld += c;
        }
    }
    if (warQuote && feld.size() > 1 && feld.front() == u'\'' && QStringLiteral("=+-@\t\r").contains(feld.at(1)))
        feld.remove(0, 1);
    felder.append(feld);
    return felder;
}

QString Einzeilig(QString t)
{
    for (QChar& c : t)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return t.trimmed();
}

} // namespace

QString ProtokollPfad(const QString& tagDatei)
{
    const QFileInfo info(tagDatei);
    QString basis = info.fileName();
    if (basis.endsWith(QStringLiteral(".qvt"), Qt::CaseInsensitive))
        basis.chop(4);
    return info.dir().filePath(basis + QStringLiteral(".versand.csv"));
}

QString ProtokollSchreiben(const QString& pfad, const std::vector<TProtokollZeile>& zeilen)
{
    QFile f(pfad);
    const bool neu = !f.exists() || f.size() == 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("Das Versandprotokoll „%1“ kann nicht geschrieben werden: %2").arg(pfad, f.errorString());
    QString text;
    if (neu)
        text = QChar(0xFEFF) + Kopf + QStringLiteral("\r\n");
    for (const TProtokollZeile& z : zeilen)
        text += z.Zeit.toString(Qt::ISODate) + u';' + Termine::CsvFeld(z.Empfaenger) + u';' + Termine::CsvFeld(z.Was)
                + u';' + z.Pruefwert + u';' + z.Ergebnis + u';' + Termine::CsvFeld(Einzeilig(z.Antwort))
                + QStringLiteral("\r\n");
    const QByteArray b = text.toUtf8();
    if (f.write(b) != b.size() || !f.flush())
        return QStringLiteral("Das Versandprotokoll „%1“ kann nicht geschrieben werden: %2").arg(pfad, f.errorString());
    return {};
}

std::vector<TProtokollZeile> ProtokollLesen(const QString& pfad, QString* fehler)
{
    std::vector<TProtokollZeile> aus;
    QFile f(pfad);
    if (!f.exists())
        return aus;
    if (!f.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Das Versandprotokoll „%1“ kann nicht gelesen werden: %2").arg(pfad, f.errorString());
        return aus;
    }
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList zeilen = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QStringList f = Felder(zeilen[i]);
        if (f.size() < 6)
            continue;
        aus.push_back({QDateTime::fromString(f[0], Qt::ISODate), f[1], f[2], f[3], f[4], f[5]});
    }
    return aus;
}

QString Schluessel(const QString& empfaenger, const QString& was, const QString& pruefwert)
{
    return empfaenger.toCaseFolded() + QChar(0x1F) + was + QChar(0x1F) + pruefwert;
}

QSet<QString> Versendet(const std::vector<TProtokollZeile>& zeilen)
{
    QSet<QString> s;
    for (const TProtokollZeile& z : zeilen)
        if (z.Ergebnis == ErgebnisVersendet)
            s.insert(Schluessel(z.Empfaenger, z.Was, z.Pruefwert));
    return s;
}

} // namespace Versand
