#pragma once
// Tab "Ablehnungen" of the teacher details: the parent entries this teacher refuses, with
// the request and capacity counters.

#include <QWidget>

class QCheckBox;
class QLabel;
class TRelationsListe;
class TSprechtag;

class TLehrerAblehnungen : public QWidget {
    Q_OBJECT
public:
    TLehrerAblehnungen(TSprechtag& tag, QWidget* eltern);

    /// Rebuilds the list and the counters for `lehrer` (empty: none selected), then
    /// selects the stored refusals.
    void Zeige(const QString& lehrer);
    void Sichern();
    TRelationsListe* Liste() const { return m_liste; }

private:
    TSprechtag& m_tag;
    QString m_lehrer;
    QLabel* m_anzWue;
    QLabel* m_anzTerm;
    QCheckBox* m_filter;
    TRelationsListe* m_liste;
};
