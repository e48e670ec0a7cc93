#include "gemeinsam/detailfeld.h"

#include "gemeinsam/meldungen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

TDetailFeld::TDetailFeld(const QString& objektName, const QString& zugang, QWidget* eltern)
    : QLineEdit(eltern)
{
    setObjectName(objektName);
    setAccessibleName(zugang);
    connect(this, &QLineEdit::textEdited, this, [this] { m_geaendert = true; });
}

void TDetailFeld::zeigeFuer(const QString& fuer, const QString& text)
{
    m_fuer = fuer;
    m_geaendert = false;
    setText(text);
}

bool TDetailFeld::Sichern()
{
    return nehmen(true);
}

bool TDetailFeld::Nehmen()
{
    return nehmen(false);
}

bool TDetailFeld::nehmen(bool zuruecksetzen)
{
    if (!m_geaendert || m_fuer.isEmpty() || !m_speichern)
        return true;
    QString meldung = m_speichern(m_fuer, text());
    if (meldung.isEmpty()) {
        m_geaendert = false;
        emit genommen();
        return true;
    }
    if (zuruecksetzen) {
        // The owner shows the stored value again; that is the one that stays.
        m_geaendert = false;
        const QString fuer = m_fuer;
        emit genommen();
        meldung += bleibt(fuer);
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

void TDetailFeld::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!m_geaendert || m_meldet || !isVisible())
        return;
    if (annehmbar()) {
        nehmen(false);
        return;
    }
    // A refused text is reported once the focus change is complete: a click on a list or a
    // tab takes the commit path first, which reports it and shows the stored value again;
    // a message box opened from here would stop that click halfway.
    QTimer::singleShot(0, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_geaendert && isVisible() && (!modal || modal == window()))
            nehmen(false);
    });
}

void TDetailFeld::keyPressEvent(QKeyEvent* e)
{
    // Enter takes the typed text; it must not reach the default button of the page.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        nehmen(false);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
