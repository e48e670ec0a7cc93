#include "gemeinsam/zeitfeld.h"

#include "gemeinsam/meldungen.h"
#include "zeit/zeit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

TZeitFeld::TZeitFeld(const QString& objektName, const QString& zugang, QWidget* eltern)
    : QLineEdit(eltern)
{
    setObjectName(objektName);
    setAccessibleName(zugang);
    connect(this, &QLineEdit::textEdited, this, [this] { m_geaendert = true; });
}

void TZeitFeld::Zeige(const QString& fuer, const QString& text)
{
    m_fuer = fuer;
    m_geaendert = false;
    setText(text);
}

bool TZeitFeld::Sichern()
{
    return nehmen(true);
}

bool TZeitFeld::Nehmen()
{
    return nehmen(false);
}

bool TZeitFeld::nehmen(bool zuruecksetzen)
{
    if (!m_geaendert || m_fuer.isEmpty() || !m_uebernehmen)
        return true;
    QString meldung = m_uebernehmen(m_fuer, text());
    if (meldung.isEmpty()) {
        m_geaendert = false;
        emit genommen();
        return true;
    }
    if (zuruecksetzen) {
        // The owner shows the stored time again; that is the time that stays in force.
        m_geaendert = false;
        emit genommen();
        if (const auto bisher = Zeit::ZeitText(text()))
            meldung += QStringLiteral("\rFür „%1“ gilt weiter %2 Uhr.").arg(m_fuer, Zeit::Anzeige(*bisher));
    }
    m_meldet = true;
    Meldung::Fehler(this, meldung);
    m_meldet = false;
    if (!zuruecksetzen && isVisible()) {
        setFocus();
        selectAll();
    }
    return false;
}

void TZeitFeld::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!m_geaendert || m_meldet || !isVisible())
        return;
    if (Zeit::ZeitText(text())) {
        nehmen(false);
        return;
    }
    // An invalid text is reported once the focus change is complete: a click on a list or a
    // tab takes the commit path first, which reports it and shows the stored time again.
    QTimer::singleShot(0, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_geaendert && isVisible() && (!modal || modal == window()))
            nehmen(false);
    });
}

void TZeitFeld::keyPressEvent(QKeyEvent* e)
{
    // Enter takes the typed time; it must not reach the default button of the page.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        m_geaendert = true;
        nehmen(false);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
