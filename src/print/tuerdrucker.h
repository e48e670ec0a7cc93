#pragma once
// Draws the door sheets of tuerliste.h: the planned texts and lines, converted from
// sheet millimetres to device pixels only here, in the plans' typeface with sizes fitted
// like the plans' (a sample sentence spans a given width), so the sheets match the plans
// on every printer.

#include "druckauftrag.h"
#include "tuerliste.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

/// The job title on the printer and in the PDF.
QString TuerlistenTitel();

/// Draws the pages with a painter that is active on the first page. `fortschritt` hears
/// (0, pages) first and (n, pages) after every page, counted as the plans' are; false
/// from it stops the drawing, and false is returned.
bool DruckeTuerlisten(QPainter& maler, const std::function<bool()>& neueSeite, const std::vector<TTuerSeite>& seiten,
                      const TDruckFortschritt& fortschritt = {});

/// The door sheets of the named teachers on a printer the user has chosen (portrait).
/// Returns the German error message, or nothing on success or cancel; after a cancel the
/// printer is aborted as for the plans.
std::optional<QString> TuerlistenDrucken(QPrinter& drucker, const TSprechtag& tag, const QStringList& lehrer,
                                         const TTuerTexte& texte, const TDruckFortschritt& fortschritt = {});

/// The same into a PDF file on A4, written completely or not at all (a cancel writes
/// nothing).
std::optional<QString> TuerlistenAlsPdf(const QString& pfad, const TSprechtag& tag, const QStringList& lehrer,
                                        const TTuerTexte& texte, const TDruckFortschritt& fortschritt = {});
