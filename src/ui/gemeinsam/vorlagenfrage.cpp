#include "gemeinsam/vorlagenfrage.h"

#include "bearbeiten/vorlagentexte.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"

bool TVorlagenFrage::Ueberschrift(QWidget* eltern, TSprechtag& tag)
{
    if (m_ueberschriftBestaetigt || !Vorlagentexte::UeberschriftIstVorlage(tag.Plan.Headline2))
        return true;
    const QString frage = QStringLiteral("Die Überschrift ist noch die Vorlage „%1“. Trotzdem drucken?").arg(tag.Plan.Headline2);
    const QDate datum = m_datum ? m_datum() : QDate();
    if (!datum.isValid()) {
        m_ueberschriftBestaetigt = Meldung::Frage(eltern, frage);
        return m_ueberschriftBestaetigt;
    }
    const QString vorschlag = Vorlagentexte::UeberschriftFuer(datum);
    const Meldung::Antwort antwort = Meldung::FrageMitAbbruch(
        eltern,
        frage + QStringLiteral("\r\rDas Datum des Terminexports ist bekannt. Mit „Überschrift einsetzen“ lautet die "
                               "Überschrift „%1“ (in den Zeitplan-Einstellungen zu ändern).")
                    .arg(vorschlag),
        {QStringLiteral("&Trotzdem drucken"), QStringLiteral("Überschrift &einsetzen"), QStringLiteral("&Abbrechen")});
    switch (antwort) {
    case Meldung::Antwort::Ja:
        m_ueberschriftBestaetigt = true;
        return true;
    case Meldung::Antwort::Nein:
        Vorlagentexte::UeberschriftSetzen(tag, vorschlag);
        return true;
    default:
        return false;
    }
}

bool TVorlagenFrage::Brief(QWidget* eltern, const TSprechtag& tag)
{
    if (m_briefBestaetigt)
        return true;
    const QStringList reste = Vorlagentexte::BriefReste(tag.Vorschau.Brief);
    if (reste.isEmpty())
        return true;
    m_briefBestaetigt = Meldung::Frage(
        eltern, QStringLiteral("Das Anschreiben der Vorschaulisten enthält noch Text der Vorlage: „%1“. Trotzdem "
                               "erzeugen?")
                    .arg(reste.join(QStringLiteral("“, „"))));
    return m_briefBestaetigt;
}
