#include "seiten/lehrereinladungen.h"

#include "bearbeiten/auswahl.h"
#include "bearbeiten/vorrang.h"
#include "gemeinsam/auswahlmodus.h"
#include "gemeinsam/relationsliste.h"
#include "model/sprechtag.h"
#include "raster/tagesraster.h"
#include "seiten/seite.h"

#include <QLabel>
#include <QVBoxLayout>

TLehrerEinladungen::TLehrerEinladungen(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TsLehrerEinladungen"));
    m_anzahl = new QLabel(this);
    m_anzahl->setObjectName(QStringLiteral("LehrerAnzEinlLb"));
    m_anzahl->setTextFormat(Qt::PlainText);
    m_liste = new TRelationsListe(QStringLiteral("EinladungBox"), QStringLiteral("Eingeladene Eltern"), this);
    m_liste->SetSpeichern([this](const QString& fuer, const QStringList& namen) {
        EinladungenSpeichern(m_tag, fuer, namen);
        zaehlerZeigen();
    });
    auto* modus = new TAuswahlModus(3, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_anzahl);
    layout->addWidget(Erklaerung(QStringLiteral("Markieren Sie die Eltern, die dieser Lehrer dringend sprechen muss. Eine Einladung "
                                                "gilt als Sprechwunsch und wird vor allen anderen eingeplant."),
                                 this));
    layout->addWidget(m_liste, 1);
    layout->addWidget(modus);

    connect(modus, &TAuswahlModus::geaendert, this, [this](bool erweitert) {
        m_liste->SetErweitert(erweitert);
        Zeige(m_lehrer);
    });
}

void TLehrerEinladungen::Sichern()
{
    m_liste->Sichern();
}

void TLehrerEinladungen::Zeige(const QString& lehrer)
{
    m_liste->Sichern();
    m_lehrer = m_tag.Lehrer.Suche(lehrer) ? lehrer : QString();
    const QStringList eintraege = m_lehrer.isEmpty() ? QStringList() : m_tag.Eltern.Namen();
    m_liste->Zeige(m_lehrer, eintraege, AuswahlInListe(eintraege, Eingeladene(m_tag, m_lehrer)).Positionen);
    zaehlerZeigen();
}

void TLehrerEinladungen::zaehlerZeigen()
{
    const TLehrer* l = m_tag.Lehrer.Suche(m_lehrer);
    const int anzahl = l ? AnzEinladungen(m_tag, m_lehrer) : 0;
    const int termine = l ? Raster::FreieSlots(m_tag, *l) : 0;
    m_anzahl->setText(l ? QStringLiteral("Einladungen: %1 (mögliche Termine: %2)").arg(anzahl).arg(termine) : QString());
    // More invitations than slots cannot all be kept: shown like an overbooked teacher.
    QFont f = font();
    f.setBold(anzahl > termine);
    m_anzahl->setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, anzahl > termine ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    m_anzahl->setPalette(p);
}
