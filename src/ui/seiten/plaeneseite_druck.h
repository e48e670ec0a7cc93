#pragma once
// The print controls of the "Zeitpläne" page: which plans one job prints, which it leaves
// out, and the buttons that start the job or show it first. None of the choices is saved;
// every program start begins with the defaults. The panel itself holds the options; the
// buttons are placed by the page in its row of actions, which never scrolls away.

#include "druckauftrag.h"

#include <QFrame>

class QCheckBox;
class QPushButton;
class QRadioButton;

class TDruckPanel : public QFrame {
    Q_OBJECT
public:
    explicit TDruckPanel(QWidget* eltern);

    /// Shows or hides the options; the button names what it will do next.
    void DruckOptBtnClick();

    /// Scope and skip rules as chosen (without the selected names).
    TDruckOptionen Optionen() const;

    QPushButton* OptBtn() const { return m_optBtn; }
    QPushButton* DruckBtn() const { return m_druckBtn; }
    QPushButton* VorschauBtn() const { return m_vorschauBtn; }

signals:
    void drucken();
    void vorschau();

private:
    bool m_optionenSichtbar = true;
    QPushButton* m_optBtn;
    QPushButton* m_druckBtn;
    QPushButton* m_vorschauBtn;
    QRadioButton* m_ausgewaehlte;
    QRadioButton* m_alleLehrer;
    QRadioButton* m_alleEltern;
    QRadioButton* m_alle;
    QCheckBox* m_ohneWunsch;
    QCheckBox* m_ohneTermin;
    QCheckBox* m_lehrerOhneTermin;
};
