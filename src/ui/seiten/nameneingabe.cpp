#include "seiten/nameneingabe.h"

#include "kunst/kunst.h"
#include "seiten/seite.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TNamenEingabe::TNamenEingabe(const TEingabeTexte& t, QWidget* eltern)
    : QWidget(eltern)
{
    m_feld = new QLineEdit(t.startText, this);
    m_feld->setObjectName(t.feldName);
    m_feld->setAccessibleName(t.feldZugang);
    m_feld->installEventFilter(this);
    // The initial text should show whole: it tells what to type.
    m_feld->setMinimumWidth(m_feld->fontMetrics().horizontalAdvance(t.startText) + 16);

    m_submit = new QPushButton(this);
    m_submit->setObjectName(t.knopfName);
    m_submit->setIcon(Kunst::UebernehmenSymbol());
    m_submit->setToolTip(t.knopfHinweis);
    m_submit->setAccessibleName(t.knopfHinweis);

    m_zaehler = new QLabel(this);
    m_zaehler->setObjectName(t.zaehlerName);
    m_zaehler->setFrameShape(QFrame::StyledPanel);
    m_zaehler->setFrameShadow(QFrame::Sunken);
    m_zaehler->setAlignment(Qt::AlignCenter);
    m_zaehler->setMinimumHeight(24);

    m_loesch = new QPushButton(QStringLiteral("Alle &löschen"), this);
    m_loesch->setObjectName(t.loeschName);
    m_loesch->setAutoDefault(false);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(m_feld, 1);
    zeile->addWidget(m_submit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Ueberschrift(t.ueberschrift, this));
    layout->addWidget(Erklaerung(t.anleitung, this));
    layout->addLayout(zeile);
    layout->addSpacing(8);
    layout->addWidget(m_zaehler);
    layout->addWidget(m_loesch);
    layout->addStretch();

    connect(m_submit, &QPushButton::clicked, this, &TNamenEingabe::uebernehmen);
    connect(m_loesch, &QPushButton::clicked, this, &TNamenEingabe::alleLoeschen);
}

void TNamenEingabe::SetZaehler(const QString& text)
{
    m_zaehler->setText(text);
    m_zaehler->setAccessibleName(text);
}

bool TNamenEingabe::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_feld && e->type() == QEvent::FocusIn) {
        // Deferred: a mouse click into the field would undo an immediate selection.
        QTimer::singleShot(0, m_feld, [this] { m_feld->selectAll(); });
        emit feldBetreten();
    }
    return QWidget::eventFilter(objekt, e);
}
