#pragma once
// The file dialogs of the program: open and save with filter, default extension and start
// folder. Tests install an interceptor that answers instead of a dialog.

#include <QString>
#include <functional>

class QWidget;

namespace Dateiwahl {

struct TAnfrage {
    bool speichern = false;
    QString titel;
    QString ordner;
    /// Proposed file (save dialogs).
    QString vorschlag;
    /// "Elternsprechtags-Dateien (*.qvt)" and the like.
    QString filter;
    /// Added to a saved file's name when the user types none (Dateisystem::MitEndung);
    /// empty for none.
    QString endung;
    /// Choose an existing folder instead of a file (filter and ending unused).
    bool ordnerWahl = false;
};

/// The chosen file, or an empty text when the user cancelled. A save dialog does not ask
/// before replacing an existing file: replacing is what the callers want.
QString Waehle(QWidget* eltern, const TAnfrage& anfrage);

using Abfang = std::function<QString(const TAnfrage&)>;
void SetAbfang(Abfang abfang);

} // namespace Dateiwahl
