#include "model/namen.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace Namen {
namespace {

QCollator& kollator()
{
    static QCollator k = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return k;
}

} // namespace

bool Gleich(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString Schluessel(const QString& name)
{
    return name.toCaseFolded();
}

int Vergleiche(const QString& a, const QString& b)
{
    const int ci = QString::compare(a, b, Qt::CaseInsensitive);
    if (ci == 0)
        return 0;
    const int k = kollator().compare(a, b);
    return k != 0 ? k : ci;
}

void SortiereStabil(QStringList& texte)
{
    // Names hold only characters of Windows-1252, whose case pairs differ in collation at
    // the tertiary level only: texts equal without regard to case collate equal, so the
    // collation order with the case-insensitive tie-break is the order of Vergleiche. The
    // collator's fast Latin path is much cheaper than the case-insensitive comparison
    // that Vergleiche makes first.
    const QCollator& k = kollator();
    std::stable_sort(texte.begin(), texte.end(), [&k](const QString& a, const QString& b) {
        const int c = k.compare(a, b);
        if (c != 0)
            return c < 0;
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace Namen
