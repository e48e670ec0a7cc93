#include "seiten/elternseite.h"

#include "seiten/nameneingabe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>

TElternSeite::TElternSeite(TSprechtag& tag, QWidget* eltern)
    : TNamenSeite(tag, false,
                  {QStringLiteral("Eltern eingeben..."),
                   QStringLiteral("Hier geben Sie die Eltern ein. (Eingabetaste übernimmt einen Namen in die Liste). Klicken Sie "
                                  "<Details> um Sprechwünsche und mehr zu bearbeiten."),
                   QStringLiteral("InpEltern"), QStringLiteral("Neuer Elternname"), QStringLiteral("Klasse: Elternname"),
                   QStringLiteral("ElternSubmitBtn"), QStringLiteral("Eltern in die Liste übernehmen"), QStringLiteral("AnzElternPanel"),
                   QStringLiteral("BitBtn10")},
                  QStringLiteral("ElternBox"), QStringLiteral("Elternliste"), eltern)
{
    setObjectName(QStringLiteral("TsEltern"));
    auto* inhalt = new QWidget(this);
    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Eingabe(), 3);
    layout->addWidget(Liste(), 8);
    SetInhalt(inhalt);
}

void TElternSeite::SetSpalten(int eltern, int relation)
{
    m_elternSpalten = eltern;
    m_relationsSpalten = relation;
}
