#pragma once
// "Lehrer": entering teachers, the teacher list and the selected teacher's details.

#include "seiten/namenseite.h"

class TLehrerSeite : public TNamenSeite {
    Q_OBJECT
public:
    TLehrerSeite(TSprechtag& tag, QWidget* eltern);
};
