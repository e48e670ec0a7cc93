#pragma once
// "Mehrfachauswahl: (o) normal ( ) mit Strg + Umschalt" under a relation list.

#include <QWidget>

class QRadioButton;

class TAuswahlModus : public QWidget {
    Q_OBJECT
public:
    /// `nummer` makes the object names of one pair ("SelModNormRb1", "SelModExtRb1", ...).
    TAuswahlModus(int nummer, QWidget* eltern);

signals:
    /// The user chose the other mode.
    void geaendert(bool erweitert);

private:
    QRadioButton* m_normal;
    QRadioButton* m_erweitert;
};
