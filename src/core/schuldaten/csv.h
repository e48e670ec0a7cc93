#pragma once
// Delimited text as exports write it: fields separated by one character, quoted with '"'
// where needed (a doubled quote inside stands for one), records ending in CR LF, LF or
// CR. A quoted field may span lines, so every record remembers the physical line it
// starts on: reports name lines as an editor shows them.

#include "schuldaten/lauf.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <iterator>
#include <vector>

namespace Schuldaten {

/// The fields of one record, kept as one string and the ends of the fields: a wide
/// export of millions of cells then costs a few allocations a record instead of one a
/// cell (a 1,000-column file of 8 MB needed a third of a gigabyte before).
class TFelder {
public:
    TFelder() = default;
    TFelder(std::initializer_list<QString> felder);
    TFelder(const QStringList& felder);

    qsizetype size() const { return qsizetype(m_enden.size()); }
    bool isEmpty() const { return m_enden.empty(); }
    QStringView Ansicht(qsizetype i) const { return QStringView(m_text).mid(anfang(i), m_enden[size_t(i)] - anfang(i)); }
    QString operator[](qsizetype i) const { return Ansicht(i).toString(); }
    QStringList Liste() const;

    void reserve(qsizetype felder) { m_enden.reserve(size_t(felder)); }
    void Anhaengen(const QString& feld)
    {
        // A record of one field (a hostile file's one huge field) shares its text.
        if (m_text.isNull())
            m_text = feld;
        else
            m_text.append(feld);
        m_enden.push_back(m_text.size());
    }

    class const_iterator {
    public:
        using value_type = QStringView;
        using difference_type = qsizetype;
        using iterator_category = std::forward_iterator_tag;
        using pointer = void;
        using reference = QStringView;
        const_iterator() = default;
        const_iterator(const TFelder* f, qsizetype i) : m_f(f), m_i(i) {}
        QStringView operator*() const { return m_f->Ansicht(m_i); }
        const_iterator& operator++()
        {
            ++m_i;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator alt = *this;
            ++m_i;
            return alt;
        }
        bool operator==(const const_iterator& o) const { return m_i == o.m_i; }

    private:
        const TFelder* m_f = nullptr;
        qsizetype m_i = 0;
    };
    using iterator = const_iterator;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const TFelder& a, const TFelder& b) { return a.m_enden == b.m_enden && a.m_text == b.m_text; }
    friend bool operator==(const TFelder& a, const QStringList& b) { return a.Liste() == b; }

private:
    qsizetype anfang(qsizetype i) const { return i == 0 ? 0 : m_enden[size_t(i - 1)]; }
    QString m_text;
    std::vector<qsizetype> m_enden;
};

struct TCsvZeile {
    /// 1-based physical line where the record begins.
    int Zeile = 0;
    TFelder Felder;
};

/// Splits the text into records. Records with no text in any field (empty lines) are
/// left out; their lines still count. A character 26 (DOS end of file) ends the text.
/// `maxZeilen` > 0 stops after that many records (the preview). A quote still open at the
/// end of the text leaves the line where it opened in `offenSeit` (else 0). A run that is
/// cancelled stops with no records.
QList<TCsvZeile> LeseCsv(const QString& text, QChar trenner, int maxZeilen = 0, int* offenSeit = nullptr,
                         const TLauf* lauf = nullptr);

/// The separators exports use, in the order they win a tie: ';' Tab ',' '|' (commas
/// occur inside names, tabs hardly ever).
inline constexpr char16_t Trennzeichen[] = {u';', u'\t', u',', u'|'};

/// Guesses the separator from the first records: the one that gives the same number of
/// fields (more than one) in most of them; ';' when none does.
QChar ErkenneTrenner(const QString& text);

/// "Semikolon", "Komma", "Tabulator", "senkrechter Strich" or the character itself.
QString TrennerName(QChar trenner);

} // namespace Schuldaten
