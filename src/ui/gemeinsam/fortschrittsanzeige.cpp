#include "gemeinsam/fortschrittsanzeige.h"

#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

QProgressBar* RichteFortschrittEin(QProgressDialog& f, const TFortschrittNamen& namen, Qt::WindowModality modal)
{
    f.setObjectName(namen.fenster);
    f.setWindowTitle(namen.titel);
    f.setAccessibleName(namen.zugang);
    f.setWindowModality(modal);
    f.setAutoClose(false);
    f.setAutoReset(false);
    auto* text = new QLabel(&f);
    text->setAccessibleName(namen.text);
    f.setLabel(text);
    auto* balken = new QProgressBar(&f);
    balken->setAccessibleName(namen.balken);
    f.setBar(balken);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), &f);
    abbrechen->setObjectName(namen.abbrechen);
    abbrechen->setAccessibleName(namen.abbrechenZugang);
    f.setCancelButton(abbrechen);
    return balken;
}
