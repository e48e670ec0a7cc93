#pragma once
// Tab "Einladungen" of the teacher details: the families this teacher invites, with the
// count beside the teacher's capacity.

#include <QWidget>

class QLabel;
class TRelationsListe;
class TSprechtag;

class TLehrerEinladungen : public QWidget {
    Q_OBJECT
public:
    TLehrerEinladungen(TSprechtag& tag, QWidget* eltern);

    /// Rebuilds the list and the counter for `lehrer` (empty: none selected).
    void Zeige(const QString& lehrer);
    void Sichern();
    TRelationsListe* Liste() const { return m_liste; }
    QLabel* Zaehler() const { return m_anzahl; }

private:
    void zaehlerZeigen();

    TSprechtag& m_tag;
    QString m_lehrer;
    QLabel* m_anzahl;
    TRelationsListe* m_liste;
};
