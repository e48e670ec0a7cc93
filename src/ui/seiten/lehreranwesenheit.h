#pragma once
// Tab "Anwesenheit" of the teacher details: the day's hours or the teacher's own.

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TSprechtag;

class TLehrerAnwesenheit : public QWidget {
    Q_OBJECT
public:
    TLehrerAnwesenheit(TSprechtag& tag, QWidget* eltern);

    /// Shows the hours of `lehrer` (empty: none selected).
    void Zeige(const QString& lehrer);
    /// The day's hours in the two read-only labels.
    void TageszeitenZeigen();

    void RbAbweichZeitClick();
    void AbweichStartZeitEditExit();
    void AbweichEndZeitEditExit();
    /// The spin buttons: `spaeter` is the lower half.
    void Drehen(bool start, bool spaeter);

    QLineEdit* StartEdit() const { return m_start; }
    QLineEdit* EndeEdit() const { return m_ende; }

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void felderZeigen();
    void pruefe(QLineEdit* feld);

    TSprechtag& m_tag;
    QString m_lehrer;
    QRadioButton* m_nein;
    QRadioButton* m_ja;
    QStackedWidget* m_panels;
    QLabel* m_label81;
    QLabel* m_label83;
    QLineEdit* m_start;
    QLineEdit* m_ende;
    bool m_meldet = false;
};
