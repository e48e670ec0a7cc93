#include "model/namen.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace Namen {
namespace {

QCollator& kollator()
{
    // One per thread: the statistics of a finished computation are sorted on a worker
    // thread while the window may sort its lists, and a collator is not to be shared.
    thread_local QCollator k = [] {
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
    // collation order with the case-insensitive tie-break is the order of Vergleiche.
    // Each text gets its collation key once; comparing two keys is a byte comparison and
    // orders exactly as the collator compares the texts, which a sort of tens of
    // thousands of statistics lines would otherwise do twenty times per line.
    if (texte.size() < 2)
        return;
    const QCollator& k = kollator();
    struct Eintrag {
        QCollatorSortKey schluessel;
        qsizetype index;
    };
    std::vector<Eintrag> eintraege;
    eintraege.reserve(size_t(texte.size()));
    for (qsizetype i = 0; i < texte.size(); ++i)
        eintraege.push_back({k.sortKey(texte.at(i)), i});
    std::stable_sort(eintraege.begin(), eintraege.end(), [&texte](const Eintrag& a, const Eintrag& b) {
        const int c = a.schluessel.compare(b.schluessel);
        if (c != 0)
            return c < 0;
        return QString::compare(texte.at(a.index), texte.at(b.index), Qt::CaseInsensitive) < 0;
    });
    QStringList sortiert;
    sortiert.reserve(texte.size());
    for (const Eintrag& e : eintraege)
        sortiert.append(std::move(texte[e.index]));
    texte = std::move(sortiert);
}

} // namespace Namen
