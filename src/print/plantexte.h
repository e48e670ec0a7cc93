#pragma once
// The texts every printed plan shows besides its owner and its lines.

#include "model/einstellungen.h"

#include <QString>
#include <QStringList>

struct TPlanTexte {
    /// The school's name (an installation-wide setting); empty leaves its row blank.
    QString SchulName;
    QString Headline2 = QStringLiteral("Elternsprechtag am XX.XX.");
    /// The parents' introduction.
    QStringList Einleitung = TPlanEinstellungen::StandardElternBrief();
    /// "Fußnote drucken".
    bool Fussnote = true;
    /// The product's web address as printed in the footnote.
    QString WebAdresse = QStringLiteral("kalumo.example.org");

    /// The day's plan settings plus the school's name.
    static TPlanTexte Aus(const TPlanEinstellungen& plan, const QString& schulName)
    {
        TPlanTexte t;
        t.SchulName = schulName;
        t.Headline2 = plan.Headline2;
        t.Einleitung = plan.ElternBrief;
        t.Fussnote = plan.Fussnote;
        return t;
    }

    QString FussnotenText() const { return QStringLiteral("Erstellt mit Kalumo.  ") + WebAdresse; }
};
