#include "seiten/lehrerseite.h"

#include "seiten/nameneingabe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>

TLehrerSeite::TLehrerSeite(TSprechtag& tag, QWidget* eltern)
    : TNamenSeite(tag, true,
                  {QStringLiteral("Lehrer eingeben..."),
                   QStringLiteral("Hier verwalten Sie die Lehrer. Geben Sie einen Namen mit Raumnummer ein und drücken Sie die "
                                  "Eingabetaste, um diesen Namen in die Liste zu übernehmen."),
                   QStringLiteral("InpLehrer"), QStringLiteral("Neuer Lehrername"), QStringLiteral("Lehrername (RaumNr)"),
                   QStringLiteral("LehrerSubmitBtn"), QStringLiteral("Lehrer in die Liste übernehmen"), QStringLiteral("AnzLehrerPanel"),
                   QStringLiteral("ButLehrerLoesch")},
                  QStringLiteral("LehrerBox"), QStringLiteral("Lehrerliste"), eltern)
{
    setObjectName(QStringLiteral("TsLehrer"));
    auto* inhalt = new QWidget(this);
    auto* details = Erklaerung(QStringLiteral("Kein Lehrer ausgewählt. Klicken Sie auf einen Lehrernamen in der nebenstehenden Liste, um "
                                              "detaillierte Einstellungen für diesen Lehrer vorzunehmen (z.B. Anwesenheitszeiten)."),
                               inhalt);
    details->setObjectName(QStringLiteral("LehrerKeineAuswahlLb"));
    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Eingabe(), 3);
    layout->addWidget(Liste(), 4);
    layout->addWidget(details, 4);
    SetInhalt(inhalt);
}
