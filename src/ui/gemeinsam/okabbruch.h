#pragma once
// The button pair every dialog of the program closes with: "O&K" (the default button,
// accepts) and "&Abbruch" (rejects), with the object names tests look for.

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

struct TOkAbbruch {
    QPushButton* ok;
    QPushButton* abbruch;
};

TOkAbbruch OkAbbruchKnoepfe(QDialog* dialog, const QString& okText = QStringLiteral("O&K"));

/// The pair in a row, pushed to the right.
QHBoxLayout* OkAbbruchZeile(QDialog* dialog, const QString& okText = QStringLiteral("O&K"));
