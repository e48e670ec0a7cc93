#include "dialoge/pausendialog.h"

#include "gemeinsam/meldungen.h"
#include "gemeinsam/okabbruch.h"
#include "model/pause.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TPausenForm::TPausenForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("PausenForm"));
    setWindowTitle(QStringLiteral("Pause"));

    m_start = new QLineEdit(this);
    m_start->setObjectName(QStringLiteral("EditStart"));
    m_start->setToolTip(QStringLiteral("Hier legen Sie fest, wann die Pause beginnt"));
    m_start->setAccessibleDescription(m_start->toolTip());
    m_dauer = new QLineEdit(this);
    m_dauer->setObjectName(QStringLiteral("EditDauer"));
    m_dauer->setToolTip(QStringLiteral("Dies ist die Dauer der Pause in Minuten"));
    m_dauer->setAccessibleDescription(m_dauer->toolTip());
    for (QLineEdit* e : {m_start, m_dauer}) {
        e->setMaxLength(8);
        e->installEventFilter(this);
    }

    auto* startLb = new QLabel(QStringLiteral("Pausen&beginn:"), this);
    startLb->setBuddy(m_start);
    auto* dauerLb = new QLabel(QStringLiteral("Pausen&dauer:"), this);
    dauerLb->setBuddy(m_dauer);

    auto* raster = new QGridLayout;
    raster->addWidget(startLb, 0, 0);
    raster->addWidget(m_start, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Uhr"), this), 0, 2);
    raster->addWidget(dauerLb, 1, 0);
    raster->addWidget(m_dauer, 1, 1);
    raster->addWidget(new QLabel(QStringLiteral("Minuten"), this), 1, 2);

    auto* tipp = new QLabel(QStringLiteral("<b>Tipp:</b> die beste Optimierung der Termine erreichen Sie, wenn die Sprechzeit "
                                           "nicht durch Pausen unterbrochen wird."),
                            this);
    tipp->setWordWrap(true);

    auto* knoepfe = OkAbbruchZeile(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raster);
    layout->addWidget(tipp);
    layout->addLayout(knoepfe);
    setFixedWidth(340);
}

std::optional<TPausenEingabe> TPausenForm::Bearbeiten(const TPause& pause)
{
    m_start->setText(Zeit::Anzeige(pause.Start()));
    m_dauer->setText(Zeit::Anzeige(pause.Dauer()));
    m_start->setFocus();
    m_start->selectAll();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return TPausenEingabe{m_start->text(), m_dauer->text()};
}

bool TPausenForm::pruefe(QLineEdit* feld)
{
    // The duration field says "Minuten": a plain number counts as minutes there.
    const bool dauer = feld == m_dauer;
    if (dauer ? Zeit::DauerText(feld->text()).has_value() : Zeit::ZeitText(feld->text()).has_value())
        return true;
    m_pruefeGerade = true;
    Meldung::Fehler(this, dauer ? Zeit::UngueltigeDauerMeldung(feld->text(), QStringLiteral("Pausendauer"))
                                : Zeit::UngueltigeZeitMeldung(feld->text(), QStringLiteral("Pausenbeginn")));
    m_pruefeGerade = false;
    feld->setFocus();
    feld->selectAll();
    return false;
}

void TPausenForm::accept()
{
    if (pruefe(m_start) && pruefe(m_dauer))
        QDialog::accept();
}

bool TPausenForm::eventFilter(QObject* objekt, QEvent* e)
{
    // Leaving a field checks it, as long as the focus stays within the dialog (the
    // "Abbruch" button must still be reachable with an invalid text).
    if (e->type() == QEvent::FocusOut && !m_pruefeGerade && isVisible()) {
        auto* feld = qobject_cast<QLineEdit*>(objekt);
        QTimer::singleShot(0, this, [this, feld] {
            QWidget* neu = focusWidget();
            const bool abbruch = neu && neu->objectName() == QStringLiteral("AbbruchBtn");
            if (feld && isVisible() && !abbruch && QApplication::activeModalWidget() == this)
                pruefe(feld);
        });
    }
    return QDialog::eventFilter(objekt, e);
}
