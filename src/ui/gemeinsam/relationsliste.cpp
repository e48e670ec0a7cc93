#include "gemeinsam/relationsliste.h"

#include <QContextMenuEvent>
#include <QScrollBar>

TRelationsListe::TRelationsListe(const QString& objektName, const QString& zugang, QWidget* eltern)
    : QListWidget(eltern)
{
    setObjectName(objektName);
    setAccessibleName(zugang);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_zeigt)
            m_geaendert = true;
    });
}

void TRelationsListe::Zeige(const QString& fuer, const QStringList& eintraege, const QList<qsizetype>& auswahl)
{
    m_zeigt = true;
    if (eintraege != m_eintraege) {
        clear();
        addItems(eintraege);
        m_eintraege = eintraege;
    } else {
        clearSelection();
    }
    for (qsizetype i : auswahl)
        if (QListWidgetItem* it = item(int(i)))
            it->setSelected(true);
    m_fuer = fuer;
    m_geaendert = false;
    m_zeigt = false;
    rasterAnpassen();
}

void TRelationsListe::Leeren()
{
    Zeige({}, {}, {});
}

QStringList TRelationsListe::Ausgewaehlt() const
{
    QStringList namen;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            namen << item(i)->text();
    return namen;
}

void TRelationsListe::Sichern()
{
    if (!m_geaendert || m_fuer.isEmpty() || !m_speichern)
        return;
    m_geaendert = false;
    m_speichern(m_fuer, Ausgewaehlt());
}

void TRelationsListe::SetErweitert(bool erweitert)
{
    Sichern();
    setSelectionMode(erweitert ? QAbstractItemView::ExtendedSelection : QAbstractItemView::MultiSelection);
}

void TRelationsListe::SetSpalten(int spalten)
{
    m_spalten = qMax(1, spalten);
    rasterAnpassen();
}

void TRelationsListe::rasterAnpassen()
{
    // Equal columns over the visible width; the rest scrolls sideways.
    const int breite = qMax(40, viewport()->width() / m_spalten);
    const int hoehe = fontMetrics().height() + 4;
    setGridSize(QSize(breite, hoehe));
}

void TRelationsListe::focusOutEvent(QFocusEvent* e)
{
    Sichern();
    QListWidget::focusOutEvent(e);
}

void TRelationsListe::resizeEvent(QResizeEvent* e)
{
    QListWidget::resizeEvent(e);
    rasterAnpassen();
}

void TRelationsListe::contextMenuEvent(QContextMenuEvent* e)
{
    // A right click does not move the focus: the menu must see the stored state.
    Sichern();
    emit kontextmenue(e->globalPos());
}
