#pragma once
// The texts of the import button, which acts according to the page it sits on.

#include <QString>

enum class TImportSeite { Lehrer, Eltern, Vorschau };

inline const QString ImportFrageLehrer = QStringLiteral("Wollen Sie Lehrernamen aus einer Textdatei importieren?");
inline const QString ImportFrageEltern = QStringLiteral("Wollen Sie Elternnamen aus einer Textdatei importieren?");
inline const QString ImportFrageVorschau =
    QStringLiteral("Wollen Sie einen Einleitungstext aus einer Textdatei importieren?");

/// The file dialog's filter and default extension.
inline const QString ImportFilter = QStringLiteral("Textdateien (*.txt)");
inline const QString ImportEndung = QStringLiteral("txt");

inline QString ImportFrage(TImportSeite seite)
{
    switch (seite) {
    case TImportSeite::Lehrer:
        return ImportFrageLehrer;
    case TImportSeite::Eltern:
        return ImportFrageEltern;
    case TImportSeite::Vorschau:
        break;
    }
    return ImportFrageVorschau;
}
