#pragma once
// Tab "Anwesenheit" of the teacher details: the day's hours or the teacher's own.

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TSprechtag;
class TZeitFeld;

class TLehrerAnwesenheit : public QWidget {
    Q_OBJECT
public:
    TLehrerAnwesenheit(TSprechtag& tag, QWidget* eltern);

    /// Shows the hours of `lehrer` (empty: none selected).
    void Zeige(const QString& lehrer);
    /// The day's hours in the two read-only labels.
    void TageszeitenZeigen();

    void RbAbweichZeitClick();
    /// The spin buttons: `spaeter` is the lower half.
    void Drehen(bool start, bool spaeter);

    /// The commit path for the two time fields; false when a typed time was invalid.
    bool Sichern();

    TZeitFeld* StartEdit() const { return m_start; }
    TZeitFeld* EndeEdit() const { return m_ende; }

private:
    /// `alle`: also a field with a typed text (another teacher is shown).
    void felderZeigen(bool alle);

    TSprechtag& m_tag;
    QString m_lehrer;
    QRadioButton* m_nein;
    QRadioButton* m_ja;
    QStackedWidget* m_panels;
    QLabel* m_label81;
    QLabel* m_label83;
    TZeitFeld* m_start;
    TZeitFeld* m_ende;
};
