#pragma once
// Draws plans onto the page of a printer that is open. Positions are sheet centimetres
// on A4 portrait; text sizes are fitted so that a sample sentence of known length would
// fill a given width, so a plan looks the same on every printer.

#include "blattfolge.h"
#include "planlayout.h"
#include "plantexte.h"
#include "seitenmasse.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

class TPlanDrucker {
public:
    /// Fits the name on A6 plans and the school's name and text lines there.
    static const QString SchmalesMuster;
    /// Fits the name and texts on A4 plans.
    static const QString BreitesMuster;
    /// Fits the footnote.
    static const QString FussnotenMuster;
    /// Width of the dotted cutting lines on quarter sheets, whatever the resolution.
    static constexpr double SchnittlinienBreiteMm = 0.2;

    /// `maler` is active on the printer; `neueSeite` starts a new page on it.
    TPlanDrucker(QPainter& maler, std::function<bool()> neueSeite, TPlanTexte texte);

    /// The place of the next box on the sheets; set to 0 when a job or a section starts.
    TBlattFolge Blaetter;

    /// One teacher's or parent entry's plan, with the page breaks it needs.
    void PrintPlan(const QString& Name, const QStringList& Zeilen, bool MitEinleitung, bool A6, bool Erster);

    /// Starts a new page on the printer.
    void NeueSeite();

    const TSeitenMasse& Masse() const { return m_masse; }
    const TPlanTexte& Texte() const { return m_texte; }

    // Drawing in sheet centimetres.
    void MesseSeite();
    void TextBei(const QString& text, double x, double y);
    void TextMittig(const QString& text, double x, double y);
    void SchriftAnpassen(const QString& muster, double w);
    void Titel(const QString& text, double x, double y, double w);
    void Rahmen(double x1, double y1, double x2, double y2);
    void Schnittlinien();

private:
    void zeichneKasten(const PlanLayout::TKasten& k, const QString& name, const QStringList& zeilen,
                       const PlanLayout::TBox& box);
    void setzeSchrift(int punkte, bool fett);
    /// Draws at a left edge, narrowing a line that would run past `rechts` (cm) so that
    /// it neither runs into the next column nor out of the frame.
    void textBeiBis(const QString& text, double x, double y, double rechts);
    void textMittigIn(const QString& text, double x, double y, double breite);
    template <class Fn>
    void hoechstens(const QString& text, int verfuegbarPx, Fn&& zeichne);

    QPainter& m_maler;
    std::function<bool()> m_neueSeite;
    TPlanTexte m_texte;
    TSeitenMasse m_masse;
    QFont m_schrift;
};
