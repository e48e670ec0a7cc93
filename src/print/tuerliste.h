#pragma once
// Door sheets: one A4 portrait page per teacher for the classroom door, listing every
// slot of the teacher's hours with the family that comes, free slots and breaks, and an
// empty column for notes as wide as the names allow. Planning is pure (rows, pages,
// positions in millimetres; text widths measured in the fonts of tuerschrift.h); drawing
// follows the plan (tuerdrucker.h).

#include "model/sprechtag.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

/// What a door sheet shows besides the teacher's slots.
struct TTuerTexte {
    QString SchulName;
    QString Headline2 = QStringLiteral("Elternsprechtag am XX.XX.");
    bool Fussnote = true;
    QString WebAdresse = QStringLiteral("kalumo.example.org");
    /// The moment of printing, shown as "Stand: …" on the school's clock (Europe/Berlin,
    /// whatever the machine's zone); passed in so that a test can fix it.
    QDateTime Stand;

    static TTuerTexte Aus(const TPlanEinstellungen& plan, const QString& schulName, const QDateTime& stand)
    {
        TTuerTexte t;
        t.SchulName = schulName;
        t.Headline2 = plan.Headline2;
        t.Fussnote = plan.Fussnote;
        t.Stand = stand;
        return t;
    }
    QString StandText() const;
    QString FussnotenText() const { return QStringLiteral("Erstellt mit Kalumo.  ") + WebAdresse; }
};

/// One row of a door sheet.
struct TTuerZeile {
    enum class Art { Termin, Frei, Pause, Keine };
    Art art = Art::Frei;
    /// "hh:mm", empty for a line that names no time.
    QString zeit;
    /// The entry's name, "— frei —", "Pause", "— keine Sprechzeit —", or a line as edited.
    QString text;
};

/// The rows of one teacher's sheet in time order: every slot from the teacher's first to
/// the last, with the talks the teacher's plan holds there. Lines of a plan edited by hand
/// that fit no slot keep their place in time (or come last when they name no time), so
/// that nothing the plan says is missing from the door.
std::vector<TTuerZeile> TuerZeilen(const TSprechtag& tag, const TLehrer& lehrer);

/// The name of a teacher named by convention "Name (Raum)" without the brackets that
/// Termine::Raum takes the room from, so door sheets and calendar files name the same room.
QString NameOhneRaum(const QString& lehrer);

namespace TuerLayout {

/// Positions in millimetres on the A4 sheet (origin top left), as the plans use it.
inline constexpr double X0 = 20, Y0 = 20, X1 = 190, Y1 = 277;
inline constexpr double XMitte = 105;
inline constexpr double SpalteZeit = 23;
inline constexpr double SpalteName = 40;
/// The latest start of the notes column (at least 63 mm wide); it begins earlier, right
/// after the widest name of a teacher's sheet, when the names leave room.
inline constexpr double SpalteNotizen = 124;
inline constexpr double RechterRand = 187;
inline constexpr double KopfY = 68;
inline constexpr double ErsteZeileY = 74;
inline constexpr double Zeilenhoehe = 7.5;
/// Rows end above the footnote.
inline constexpr double LetzteZeileBis = 268;

/// Rows one page holds.
int ZeilenProSeite();

} // namespace TuerLayout

/// A text at a place: `y` is its top, `x` its left edge, centre or right edge.
struct TTuerText {
    enum class Schrift { Name, Kopf, Stand, Spaltenkopf, Zeit, Zeile, Fuss };
    enum class Ausrichtung { Links, Mitte, Rechts };
    QString text;
    double x = 0;
    double y = 0;
    Schrift schrift = Schrift::Zeile;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    /// Wider texts are narrowed to this width (mm).
    double breite = 0;
};

struct TTuerLinie {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    /// Pen width in mm.
    double staerke = 0.1;
};

struct TTuerSeite {
    QString lehrer;
    /// Page of this teacher (from 1) and the teacher's page count.
    int seite = 1;
    int seiten = 1;
    std::vector<TTuerText> texte;
    std::vector<TTuerLinie> linien;
};

/// The pages of the named teachers in the order of the teachers' list; unknown names are
/// left out. Each teacher starts a page; a long day continues on further pages with the
/// header repeated.
std::vector<TTuerSeite> PlaneTuerlisten(const TSprechtag& tag, const QStringList& lehrer, const TTuerTexte& texte);
