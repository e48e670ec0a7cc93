#pragma once
// Settings that the data file stores beside the records: the preview lists, the printed
// plans and the texts of the statistics window. Their windows read and write them here.

#include <QString>
#include <QStringList>
#include <array>

struct TVorschauEinstellungen {
    /// "Sollen Vorschaulisten erzeugt werden?" answered "Ja".
    bool Gewuenscht = false;
    /// The covering letter with the placeholders %A..%D.
    QStringList Brief = StandardBrief();
    /// true: "für alle Lehrer"; false: "für betroffene Lehrer" (the default).
    bool FuerAlleLehrer = false;

    static QStringList StandardBrief();

    bool operator==(const TVorschauEinstellungen&) const = default;
};

struct TPlanEinstellungen {
    static constexpr int FormatA4 = 0;
    static constexpr int FormatA6 = 1;

    QString Headline2 = QStringLiteral("Elternsprechtag am XX.XX.");
    bool Fussnote = true;
    int LehrerFmt = FormatA4;
    int ElternFmt = FormatA6;
    /// The parents' introduction on their plans.
    QStringList ElternBrief = StandardElternBrief();

    static QStringList StandardElternBrief();

    bool operator==(const TPlanEinstellungen&) const = default;
};

struct TStatistikTexte {
    /// Order of the data file: LbWue, LbErteilt, LbNichtErteilt, LbAbgelehnt, LbNichtAbg,
    /// LbZeitmangel, LbMaxErtbar, LbWuePerElt, LbErfPerElt, LbTermPerElt, LbTermPerLeh.
    enum Feld : int {
        Wue, Erteilt, NichtErteilt, Abgelehnt, NichtAbg, Zeitmangel, MaxErtbar,
        WuePerElt, ErfPerElt, TermPerElt, TermPerLeh, AnzahlFelder
    };
    std::array<QString, AnzahlFelder> Texte{};
    /// The unmet requests (the list NichtErtBox), sorted as the window shows them.
    QStringList NichtErtBox;

    bool operator==(const TStatistikTexte&) const = default;
};
