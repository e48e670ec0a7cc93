#pragma once
// The three kinds of message box the program shows: information and error with one OK
// button, confirmation with Yes and No. Texts may carry "\r" (and "\r\n", "\n\r") as line
// breaks. Tests install an interceptor so that no box blocks them.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Meldung {

enum class Art { Information, Fehler, Frage, FrageMitAbbruch, LoeschFrage };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

/// Turns the program's line-break conventions into "\n".
QString Zeilenumbrueche(const QString& text);

void Info(QWidget* eltern, const QString& text);
void Fehler(QWidget* eltern, const QString& text);
/// Yes -> true.
bool Frage(QWidget* eltern, const QString& text);
/// Yes deletes data: No is the default button, so that Enter alone deletes nothing.
bool LoeschFrage(QWidget* eltern, const QString& text);
/// Yes, No or Cancel.
Antwort FrageMitAbbruch(QWidget* eltern, const QString& text);
/// The same with captions of their own for the three buttons (Yes, No, Cancel in this
/// order), where "Ja" and "Nein" would not say what happens.
Antwort FrageMitAbbruch(QWidget* eltern, const QString& text, const QStringList& knoepfe);
/// The same three answers on buttons with their own captions; Escape cancels. Tests see
/// it as FrageMitAbbruch.
Antwort FrageMitKnoepfen(QWidget* eltern, const QString& text, const QString& ja, const QString& nein,
                         const QString& abbrechen);

/// While set, every message goes to this function instead of a window.
using Abfang = std::function<Antwort(Art art, const QString& text)>;
void SetAbfang(Abfang abfang);

} // namespace Meldung
