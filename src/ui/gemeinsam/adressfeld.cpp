#include "gemeinsam/adressfeld.h"

#include "gemeinsam/meldungen.h"
#include "versand/adresse.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

TAdressFeld::TAdressFeld(const QString& objektName, const QString& zugang, QWidget* eltern)
    : QLineEdit(eltern)
{
    setObjectName(objektName);
    setAccessibleName(zugang);
    setPlaceholderText(QStringLiteral("name@beispiel.de"));
    connect(this, &QLineEdit::textEdited, this, [this] { m_geaendert = true; });
}

void TAdressFeld::Zeige(const QString& fuer, const QString& adresse)
{
    m_fuer = fuer;
    m_gezeigt = adresse;
    m_geaendert = false;
    setText(adresse);
}

bool TAdressFeld::Sichern()
{
    return nehmen(true);
}

bool TAdressFeld::Nehmen()
{
    return nehmen(false);
}

bool TAdressFeld::nehmen(bool zuruecksetzen)
{
    if (!m_geaendert || m_fuer.isEmpty() || !m_uebernehmen)
        return true;
    QString meldung = m_uebernehmen(m_fuer, m_gezeigt, text());
    if (meldung.isEmpty()) {
        m_geaendert = false;
        emit genommen();
        return true;
    }
    if (zuruecksetzen) {
        // The owner shows the stored address again; that is the one that stays.
        m_geaendert = false;
        const QString fuer = m_fuer;
        emit genommen();
        meldung += text().isEmpty() ? QStringLiteral("\rFür „%1“ bleibt das Feld leer.").arg(fuer)
                                    : QStringLiteral("\rFür „%1“ bleibt „%2“ gespeichert.").arg(fuer, text());
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

void TAdressFeld::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!m_geaendert || m_meldet || !isVisible())
        return;
    const QString t = text().trimmed();
    if (t.isEmpty() || Versand::PruefeAdresse(t, QString()).isEmpty()) {
        nehmen(false);
        return;
    }
    // A refused text is reported once the focus change is complete: a click on a list or a
    // tab takes the commit path first, which reports it and shows the stored address
    // again; a message box opened from here would stop that click halfway.
    QTimer::singleShot(0, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_geaendert && isVisible() && (!modal || modal == window()))
            nehmen(false);
    });
}

void TAdressFeld::keyPressEvent(QKeyEvent* e)
{
    // Enter takes the typed address; it must not reach the default button of the page.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        nehmen(false);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
