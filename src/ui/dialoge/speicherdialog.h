#pragma once
// "Daten speichern": which sections of the day go into the file. The dialog lives for the
// whole run, so the last choice is offered again.

#include <QDialog>

class QCheckBox;

class TSaveForm : public QDialog {
    Q_OBJECT
public:
    explicit TSaveForm(QWidget* eltern = nullptr);

    /// Shows the dialog; `plaeneMoeglich` enables (and checks) the timetable box only while
    /// valid timetables exist. Returns the mask of the checked boxes, or -1 for "Abbruch".
    int Frage(bool plaeneMoeglich);

    /// The checked boxes as a content mask.
    int Angekreuzt() const;
    QCheckBox* Box(int bit) const;

private:
    /// A box that another checked box needs is checked too.
    void Abhaengigkeiten();

    QList<QCheckBox*> m_boxen; // in bit order
};
