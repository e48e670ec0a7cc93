#pragma once
// The print job of the plans: which plans in which order with which format, the section
// break between teachers and parents, and the pages and quarters each plan box takes.
// Planning is pure; drawing follows the plan.

#include "blattfolge.h"
#include "plantexte.h"

#include "model/sprechtag.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

struct TDruckOptionen {
    enum class Umfang {
        Ausgewaehlte, ///< "ausgewählte Zeitpläne"
        AlleLehrer,   ///< "alle Lehrerzeitpläne"
        AlleEltern,   ///< "alle Elternzeitpläne"
        Alle,         ///< "alle Zeitpläne"
    };
    Umfang umfang = Umfang::Alle;
    /// "Eltern die keine Sprechwünsche hatten"
    bool SkipElternOhneWunsch = true;
    /// "Eltern die keine Termine bekommen haben"
    bool SkipElternOhneTerm = false;
    /// "Lehrer die niemand sprechen möchte"
    bool SkipLehrerOhneTerm = true;
    /// For "ausgewählte Zeitpläne": the page "Eltern" is showing (else "Lehrer").
    bool AuswahlEltern = false;
    /// For "ausgewählte Zeitpläne": the names selected on the page that is showing.
    QStringList Auswahl;
};

/// One PrintPlan call of the job.
struct TPlanAuftrag {
    QString name;
    QStringList zeilen;
    bool mitEinleitung = false;
    bool a6 = false;
    bool erster = false;
    /// The parents' section of "alle Zeitpläne" starts here: a new sheet (when anything
    /// was printed before) and a fresh quarter count.
    bool abschnittswechsel = false;
};

/// The job title on the printer.
QString DruckjobTitel();

/// The plans of one job in print order, with the skip rules applied. The formats come
/// from the day's plan settings (LehrerFmt, ElternFmt).
std::vector<TPlanAuftrag> PlaneDruckauftrag(const TSprechtag& tag, const TDruckOptionen& optionen);

/// Where one plan box lands.
struct TBoxPlatz {
    int plan = 0;     ///< index into the job
    int box = 0;      ///< 0, or the number of the continuation box
    int seite = 0;    ///< sheet, counted from 0
    int viertel = -1; ///< 0..3 on quarter sheets, -1 on DIN A4
    bool schnittlinien = false;
};

/// Pages and quarters of every plan box; the texts decide where long plans continue
/// (length of the parents' introduction, footnote).
std::vector<TBoxPlatz> Seitenplan(const std::vector<TPlanAuftrag>& auftrag, const TPlanTexte& texte);
/// Number of sheets the job prints (at least 1: an open document has a page).
int AnzahlSeiten(const std::vector<TPlanAuftrag>& auftrag, const TPlanTexte& texte);

/// Called before the first plan of a job (0 of all) and after every plan with the number
/// of plans drawn; returning false cancels the job at once.
using TDruckFortschritt = std::function<bool(int fertig, int gesamt)>;

/// Draws the job with a painter that is active on the printer's first page. False when
/// `fortschritt` cancelled it.
bool DruckePlaene(QPainter& maler, const std::function<bool()>& neueSeite, const std::vector<TPlanAuftrag>& auftrag,
                  const TPlanTexte& texte, const TDruckFortschritt& fortschritt = {});

/// The whole job on a printer the user has chosen: title "QVT Zeitpläne", portrait,
/// begin, the plans, end. `texte` usually is TPlanTexte::Aus(tag.Plan, schulName).
/// Returns the German error message, or nothing on success and after a cancel (the
/// caller's `fortschritt` knows which). A cancel aborts the printer's job where the
/// platform can (printerState() is then QPrinter::Aborted); elsewhere the pages drawn
/// until then are printed.
std::optional<QString> PrintSomePlans(QPrinter& drucker, const TSprechtag& tag, const TDruckOptionen& optionen,
                                      const TPlanTexte& texte, const TDruckFortschritt& fortschritt = {});

/// The same job into a PDF file on A4, written completely or not at all: a cancelled
/// job leaves an existing file as it was and returns nothing.
std::optional<QString> PlaeneAlsPdf(const QString& pfad, const TSprechtag& tag, const TDruckOptionen& optionen,
                                    const TPlanTexte& texte, const TDruckFortschritt& fortschritt = {});
