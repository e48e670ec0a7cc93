#include "seiten/lehrerablehnungen.h"

#include "bearbeiten/ablehnungen.h"
#include "gemeinsam/auswahlmodus.h"
#include "gemeinsam/relationsliste.h"
#include "model/sprechtag.h"
#include "seiten/seite.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

TLehrerAblehnungen::TLehrerAblehnungen(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TsLehrerAblehn"));
    m_anzWue = new QLabel(QStringLiteral("NN"), this);
    m_anzWue->setObjectName(QStringLiteral("LehrerAnzWueLb"));
    m_anzTerm = new QLabel(QStringLiteral("NN"), this);
    m_anzTerm->setObjectName(QStringLiteral("LehrerAnzTermLb"));
    auto* zaehler = new QGridLayout;
    auto* wueLb = new QLabel(QStringLiteral("Anzahl der Sprechwünsche:"), this);
    auto* termLb = new QLabel(QStringLiteral("Mögliche Termine:"), this);
    zaehler->addWidget(wueLb, 0, 0);
    zaehler->addWidget(m_anzWue, 0, 1);
    zaehler->addWidget(termLb, 1, 0);
    zaehler->addWidget(m_anzTerm, 1, 1);
    zaehler->setColumnStretch(2, 1);

    m_filter = new QCheckBox(QStringLiteral("Nur &Gesprächssuchende für diesen Lehrer anzeigen"), this);
    m_filter->setObjectName(QStringLiteral("AblehnFilterCb"));
    m_filter->setChecked(true);
    m_liste = new TRelationsListe(QStringLiteral("AblehnBox"), QStringLiteral("Abgelehnte Eltern"), this);
    m_liste->SetSpeichern([this](const QString& fuer, const QStringList& namen) { AblehnungenSpeichern(m_tag, fuer, namen); });

    auto* modus = new TAuswahlModus(2, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zaehler);
    layout->addWidget(Erklaerung(QStringLiteral("Markieren Sie die Eltern, die dieser Lehrer NICHT sprechen möchte (dies ist optional)."), this));
    layout->addWidget(m_filter);
    layout->addWidget(m_liste, 1);
    layout->addWidget(modus);

    connect(m_filter, &QCheckBox::clicked, this, [this] {
        m_liste->Sichern();
        Zeige(m_lehrer);
    });
    connect(modus, &TAuswahlModus::geaendert, this, [this](bool erweitert) {
        m_liste->SetErweitert(erweitert);
        Zeige(m_lehrer);
    });
}

void TLehrerAblehnungen::Sichern()
{
    m_liste->Sichern();
}

void TLehrerAblehnungen::Zeige(const QString& lehrer)
{
    m_lehrer = lehrer;
    const TAblehnListe liste = AblehnListe(m_tag, lehrer, m_filter->isChecked());
    if (liste.MitZaehlern) {
        m_anzWue->setText(QString::number(liste.AnzWuensche));
        m_anzTerm->setText(QString::number(liste.MoeglicheTermine));
        QFont f = font();
        f.setBold(liste.Ueberbucht);
        m_anzWue->setFont(f);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, liste.Ueberbucht ? QColor(Qt::red) : palette().color(QPalette::WindowText));
        m_anzWue->setPalette(p);
    }
    m_liste->Zeige(m_tag.Lehrer.Suche(lehrer) ? lehrer : QString(), liste.Eintraege,
                   AblehnAuswahl(m_tag, lehrer, liste.Eintraege).Positionen);
}
