#include "bearbeiten/namenswoerter.h"

#include <QStringView>

#include <algorithm>

int TNamensWoerter::Anzahl() const
{
    int n = 0;
    while (n < int(W.size()) && !W[size_t(n)].isEmpty())
        ++n;
    return n;
}

namespace {

bool IstWort(QStringView w)
{
    if (w.size() < 2)
        return false;
    return std::none_of(w.begin(), w.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TNamensWoerter NamensWoerter(const QString& name)
{
    TNamensWoerter r;
    QStringView rest(name);
    size_t k = 0;
    while (k < r.W.size() && !rest.isEmpty()) {
        qsizetype ende = rest.indexOf(u' ');
        if (ende < 0)
            ende = rest.size();
        // Only a hyphen before the blank splits; "Meier-Schulz" gives two words.
        const qsizetype strich = rest.left(ende).indexOf(u'-');
        if (strich >= 0)
            ende = strich;
        const QStringView wort = rest.left(ende);
        rest = ende < rest.size() ? rest.mid(ende + 1) : QStringView();
        if (IstWort(wort))
            r.W[k++] = wort.toString();
    }
    return r;
}

bool NamenAehnlich(const TNamensWoerter& a, const TNamensWoerter& b, int n)
{
    const int m = std::min(std::clamp(n, 1, 4), a.Anzahl());
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < m; ++j) {
            const QString& wb = b.W[size_t(j)];
            if (!wb.isEmpty() && a.W[size_t(i)] == wb)
                return true;
        }
    return false;
}
