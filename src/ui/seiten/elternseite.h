#pragma once
// "Eltern": entering parent entries, the parent list and the selected entry's details.

#include "seiten/namenseite.h"

class TElternSeite : public TNamenSeite {
    Q_OBJECT
public:
    TElternSeite(TSprechtag& tag, QWidget* eltern);

    /// Columns of the parent list in the overview, and the relation column count shared
    /// by the request, sibling and refusal lists.
    int ElternSpalten() const { return m_elternSpalten; }
    int RelationsSpalten() const { return m_relationsSpalten; }
    /// Applied as given (the settings file is trusted); the buttons keep 1..10.
    void SetSpalten(int eltern, int relation);

private:
    int m_elternSpalten = 3;
    int m_relationsSpalten = 3;
};
