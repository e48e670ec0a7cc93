#pragma once
// A string list kept in ascending name order that holds no two names equal without
// regard to case. Used for a parent entry's siblings and personal timetable: every
// timetable line begins with the zero-padded time, so name order is chronological.

#include <QStringList>

class TSortierteListe {
public:
    /// Inserts at the sorted position; a text equal (ignoring case) to one already
    /// present is ignored. Returns whether it was added.
    bool Hinzufuegen(const QString& text);
    void Leeren() { m_liste.clear(); }
    /// Exact match only.
    bool EntferneGenau(const QString& text);
    /// Replaces every exactly equal entry and keeps the order and uniqueness rules.
    bool ErsetzeGenau(const QString& alt, const QString& neu);
    /// Case-insensitive search; -1 when absent.
    qsizetype IndexVon(const QString& text) const;
    bool Enthaelt(const QString& text) const { return IndexVon(text) >= 0; }

    qsizetype size() const { return m_liste.size(); }
    bool isEmpty() const { return m_liste.isEmpty(); }
    const QString& at(qsizetype i) const { return m_liste.at(i); }
    const QStringList& Liste() const { return m_liste; }
    QStringList::const_iterator begin() const { return m_liste.cbegin(); }
    QStringList::const_iterator end() const { return m_liste.cend(); }

    /// Replaces the content by `texte`, sorted and without duplicates.
    void Setze(const QStringList& texte);

    bool operator==(const TSortierteListe&) const = default;

private:
    /// First position whose entry is not less than `text`.
    qsizetype untereGrenze(const QString& text) const;

    QStringList m_liste;
};
