#pragma once
// Everything a data file holds, read completely before any of it touches the day. Per-
// teacher and per-parent blocks sit beside the names of the same file, in file order.

#include "model/einstellungen.h"
#include "model/unterricht.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <utility>
#include <vector>

struct TDateiLehrerZeiten {
    double StartZeit = 0;
    double EndZeit = 0;
    bool AbweichZeit = false;
};

struct TDateiPause {
    double Start = 0;
    double Dauer = 0;
};

struct TDateiVorgaben {
    double SprechStart = 0;
    double SprechEnde = 0;
    int SprechTakt = 10;
    std::optional<bool> RaumwechselPause; ///< from revision 6
    std::vector<TDateiLehrerZeiten> Lehrer; ///< one per teacher name of the file
    std::optional<std::vector<TDateiPause>> Pausen; ///< from revision 4
};

struct TDateiEltern {
    QString Name;
    QStringList Geschwister; ///< from revision 5
};

/// A parent's attendance limits as the file gives them.
struct TDateiZeitgrenzen {
    enum class Art {
        Keine,     ///< before revision 3, or an old-layout limit that is not set
        NurVor,    ///< old layout: nicht vor
        NurNach,   ///< old layout: nicht nach
        Vollstaendig ///< revision 8 on
    };
    Art art = Art::Keine;
    bool NichtVor = false;
    double NichtVorZeit = 0;
    bool NichtNach = false;
    double NichtNachZeit = 0;
};

struct TDateiSprech {
    QStringList Sprechwuensche;
    TDateiZeitgrenzen Grenzen;
};

struct TDateiVorschau {
    bool Gewuenscht = false;
    QStringList Brief;
    bool FuerAlleLehrer = false;
};

struct TDateiPlan {
    QString Name;
    QStringList Zeilen;
};

struct TDateiPlaene {
    QString Headline2;
    bool Fussnote = true;
    int LehrerFmt = 0;
    int ElternFmt = 0;
    qint32 SchluesselStart = 0;
    QStringList ElternBrief;
    std::vector<TDateiPlan> Lehrer;
    std::vector<TDateiPlan> Eltern;
    std::optional<TStatistikTexte> Statistik; ///< from revision 6
};

/// The extension block after the final Boolean (see datei/erweiterung.h).
struct TDateiErweiterung {
    int Version = 0;
    std::vector<std::pair<QString, QString>> LehrerKuerzel;   ///< teacher name, short name
    std::vector<std::pair<QString, QString>> Schuelernummern; ///< entry name, pupil number
    std::vector<TUnterricht> Unterricht;
    std::vector<std::pair<QString, QStringList>> LehrerEMail; ///< teacher name, addresses
    std::vector<std::pair<QString, QStringList>> ElternEMail; ///< entry name, addresses
    std::vector<std::pair<QString, QStringList>> Einladungen; ///< entry name, inviting teachers
    std::vector<std::pair<QString, QStringList>> Vorrang;     ///< entry name, marked requests
    bool GemeinsameGespraeche = false;
    /// Parts of a later version that this reader passes over.
    int UnbekannteTeile = 0;
};

struct TDateiInhalt {
    int Revision = 9;
    int Maske = 0;
    std::optional<QStringList> LehrerNamen;
    std::optional<TDateiVorgaben> Vorgaben;
    std::optional<std::vector<TDateiEltern>> Eltern;
    std::optional<std::vector<TDateiSprech>> Sprech; ///< one per parent name of the file
    std::optional<TDateiVorschau> Vorschau;
    std::optional<std::vector<QStringList>> Ablehnungen; ///< one per teacher name of the file
    std::optional<TDateiPlaene> Plaene;
    std::optional<bool> FreieTermineAnzeigen; ///< from revision 7
    std::optional<TDateiErweiterung> Erweiterung; ///< revision 9, after the final Boolean
};
