#include "seiten/vorschauseite.h"

#include <QLabel>
#include <QVBoxLayout>

TVorschauSeite::TVorschauSeite(TSprechtag& tag, QWidget* eltern)
    : TSeite(tag, true, eltern)
{
    setObjectName(QStringLiteral("TsPreview"));
    auto* inhalt = new QWidget(this);
    auto* layout = new QVBoxLayout(inhalt);
    layout->addWidget(Ueberschrift(QStringLiteral("Vorausschauende Statistik"), inhalt));
    layout->addWidget(Erklaerung(QStringLiteral("Hier sehen Sie bald, wie viele Sprechwünsche der Tag erfüllen kann, und erzeugen "
                                                "Vorschaulisten für die Lehrer."),
                                 inhalt));
    layout->addStretch();
    SetInhalt(inhalt);
}

void TVorschauSeite::Aufbereiten(bool) {}
