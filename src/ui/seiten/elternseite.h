#pragma once
// "Eltern": entering parent entries, the parent list and the selected entry's details.

#include "seiten/namenseite.h"

class TElternSeite : public TNamenSeite {
    Q_OBJECT
public:
    TElternSeite(TSprechtag& tag, QWidget* eltern);
};
