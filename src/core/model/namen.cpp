#include "model/namen.h"

#include <QCollator>
#include <QLocale>

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

} // namespace Namen
