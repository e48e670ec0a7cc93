#pragma once
// "Zeitpläne": computing, viewing, correcting and printing the timetables.

#include "seiten/seite.h"

class QLabel;

class TPlaeneSeite : public TSeite {
    Q_OBJECT
public:
    TPlaeneSeite(TSprechtag& tag, QWidget* eltern);
    void Aufbereiten(bool fensterSichtbar) override;

private:
    QLabel* m_keinePlaene;
};
