#pragma once
// Display options shared by the teacher and parent pages: the column counts of the parent
// overview and of the three relation lists, and the font size of both name lists.

#include <QObject>

class TAnzeigeOptionen : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int ElternSpalten() const { return m_elternSpalten; }
    int RelationsSpalten() const { return m_relationsSpalten; }
    bool GrosseSchrift() const { return m_gross; }

    /// Values from the settings file are applied as they are.
    void SetSpalten(int eltern, int relation);
    /// "-" and "+": stay within 1..10.
    void ElternSpaltenSchritt(int schritt);
    void RelationsSpaltenSchritt(int schritt);
    void SetGrosseSchrift(bool gross);

signals:
    void geaendert();

private:
    int m_elternSpalten = 3;
    int m_relationsSpalten = 3;
    bool m_gross = false;
};
