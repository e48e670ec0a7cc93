#pragma once
// "Vorgaben": conference hours, slot length, the room-change option, joint talks for
// siblings and the breaks for all.

#include "seiten/seite.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TPausenForm;

class TVorgabenSeite : public TSeite {
    Q_OBJECT
public:
    TVorgabenSeite(TSprechtag& tag, TPausenForm* pausenDialog, QWidget* eltern);

    void Aufbereiten(bool fensterSichtbar) override;

    /// Puts the day settings into the combo boxes.
    void VorgabenAufbereiten();
    void MakePausenList();

    void SprechStartEditExit();
    void SprechEndeEditExit();
    void SprechTaktEditExit();
    void PausePlusClick();
    void PausenBoxClick();
    void PauseMinusClick();

private:
    /// Index of the break on the selected line, or -1.
    int gewaehltePause() const;

    TPausenForm* m_pausenDialog;
    QComboBox* m_startStd;
    QComboBox* m_startMin;
    QComboBox* m_endeStd;
    QComboBox* m_endeMin;
    QComboBox* m_takt;
    QCheckBox* m_raumwechsel;
    QCheckBox* m_gemeinsam;
    /// Says so when the hours leave no slot.
    QLabel* m_keineTermine;
    QListWidget* m_pausen;
    QPushButton* m_plus;
    QPushButton* m_minus;
    bool m_aufbereiten = false;
};
