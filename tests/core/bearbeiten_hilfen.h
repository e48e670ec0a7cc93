#pragma once
// Helpers shared by the editing tests: readable names in failure messages and short
// ways to write name lists.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace bearbeiten_test {

inline QString S(const char* t) { return QString::fromUtf8(t); }

inline QStringList L(std::initializer_list<const char*> t)
{
    QStringList r;
    for (const char* s : t)
        r.append(S(s));
    return r;
}

} // namespace bearbeiten_test
