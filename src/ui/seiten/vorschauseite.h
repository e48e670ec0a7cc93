#pragma once
// "Vorschau": the capacity preview and the teachers' preview lists.

#include "seiten/seite.h"

class TVorschauSeite : public TSeite {
    Q_OBJECT
public:
    TVorschauSeite(TSprechtag& tag, QWidget* eltern);
    void Aufbereiten(bool fensterSichtbar) override;
};
