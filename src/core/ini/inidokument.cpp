#include "ini/inidokument.h"

#include "text/textkodierung.h"

namespace {

/// The name of a section line ("[Name]", blanks allowed around), or nothing.
std::optional<QString> sektionsName(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype zu = t.indexOf(QLatin1Char(']'));
    return t.mid(1, zu < 0 ? -1 : zu - 1).trimmed();
}

/// Splits a key line at its first equals sign.
bool teileSchluesselZeile(const QString& zeile, QString* schluessel, QString* wert)
{
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (gleich < 0)
        return false;
    if (schluessel)
        *schluessel = zeile.left(gleich).trimmed();
    if (wert)
        *wert = zeile.mid(gleich + 1).trimmed();
    return true;
}

bool gleich(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString ohneZeilenumbruch(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

} // namespace

TIniDokument TIniDokument::AusBytes(const QByteArray& bytes)
{
    TIniDokument d;
    d.m_bom = Textkodierung::HatUtf8Bom(bytes);
    if (bytes.contains("\r\n"))
        d.m_zeilenende = QStringLiteral("\r\n");
    QString text = Textkodierung::Dekodiere(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!text.isEmpty())
        d.m_zeilen = text.split(QLatin1Char('\n'));
    return d;
}

qsizetype TIniDokument::sektionsZeile(const QString& sektion) const
{
    for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
        const auto name = sektionsName(m_zeilen[i]);
        if (name && gleich(*name, sektion))
            return i;
    }
    return -1;
}

qsizetype TIniDokument::sektionsEnde(qsizetype kopf) const
{
    qsizetype i = kopf + 1;
    while (i < m_zeilen.size() && !sektionsName(m_zeilen[i]))
        ++i;
    return i;
}

qsizetype TIniDokument::schluesselZeile(qsizetype kopf, const QString& schluessel) const
{
    const qsizetype ende = sektionsEnde(kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i) {
        QString s;
        if (teileSchluesselZeile(m_zeilen[i], &s, nullptr) && gleich(s, schluessel))
            return i;
    }
    return -1;
}

std::optional<QString> TIniDokument::Wert(const QString& sektion, const QString& schluessel) const
{
    const qsizetype kopf = sektionsZeile(sektion);
    if (kopf < 0)
        return std::nullopt;
    const qsizetype z = schluesselZeile(kopf, schluessel);
    if (z < 0)
        return std::nullopt;
    QString wert;
    teileSchluesselZeile(m_zeilen[z], nullptr, &wert);
    if (wert.size() > MaxWertLaenge) {
        qsizetype n = MaxWertLaenge;
        // Never leave half of a character behind.
        if (wert[n - 1].isHighSurrogate())
            --n;
        wert.truncate(n);
    }
    return wert;
}

QString TIniDokument::Text(const QString& sektion, const QString& schluessel, const QString& vorgabe) const
{
    return Wert(sektion, schluessel).value_or(vorgabe);
}

void TIniDokument::Setze(const QString& sektion, const QString& schluessel, const QString& wert)
{
    const QString w = ohneZeilenumbruch(wert);
    const qsizetype kopf = sektionsZeile(sektion);
    if (kopf < 0) {
        if (!m_zeilen.isEmpty() && !m_zeilen.last().trimmed().isEmpty())
            m_zeilen.append(QString());
        m_zeilen.append(QLatin1Char('[') + sektion + QLatin1Char(']'));
        m_zeilen.append(schluessel + QLatin1Char('=') + w);
        return;
    }
    const qsizetype z = schluesselZeile(kopf, schluessel);
    if (z >= 0) {
        QString alt;
        teileSchluesselZeile(m_zeilen[z], &alt, nullptr);
        m_zeilen[z] = alt + QLatin1Char('=') + w;
        return;
    }
    // After the section's last non-empty line, so the blank line before the next
    // section stays where it was.
    qsizetype nach = sektionsEnde(kopf);
    while (nach > kopf + 1 && m_zeilen[nach - 1].trimmed().isEmpty())
        --nach;
    m_zeilen.insert(nach, schluessel + QLatin1Char('=') + w);
}

QByteArray TIniDokument::Bytes() const
{
    QByteArray b;
    // A first line that starts with U+FEFF needs a mark in front, or the next read
    // would take its U+FEFF for the mark and drop it.
    if (m_bom || (!m_zeilen.isEmpty() && m_zeilen.first().startsWith(QChar(0xFEFF))))
        b = "\xEF\xBB\xBF";
    for (const QString& z : m_zeilen) {
        b += z.toUtf8();
        b += m_zeilenende.toLatin1();
    }
    return b;
}
