#pragma once
// "Listen laden": replace the current lists or combine them with the file's.

#include "datei/anwenden.h"

#include <QDialog>
#include <optional>

class QRadioButton;

class TListLoadSpecForm : public QDialog {
    Q_OBJECT
public:
    explicit TListLoadSpecForm(QWidget* eltern = nullptr);

    /// The chosen mode, or nothing for "Abbruch". The last choice stays for the next load.
    std::optional<TLadeModus> Frage();

private:
    QRadioButton* m_ersetzen;
    QRadioButton* m_hinzufuegen;
};
