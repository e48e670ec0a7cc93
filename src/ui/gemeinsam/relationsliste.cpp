#include "gemeinsam/relationsliste.h"

#include "gemeinsam/zeilenhoehe.h"

#include <QContextMenuEvent>
#include <QScrollBar>

TRelationsListe::TRelationsListe(const QString& objektName, const QString& zugang, QWidget* eltern)
    : QListWidget(eltern)
{
    setObjectName(objektName);
    setAccessibleName(zugang);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    // Not "Adjust": Qt lays such a list out again only 100 ms after its height changed
    // (the horizontal scroll bar coming or going after a filter change), so the items
    // jumped after the click. The list lays itself out at once instead (resizeEvent).
    setResizeMode(QListView::Fixed);
    setUniformItemSizes(true);
    ZeilenhoeheSichern(this);
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
    jetztAnordnen();
}

void TRelationsListe::Leeren()
{
    Zeige({}, {}, {});
}

QStringList TRelationsListe::Ausgewaehlt() const
{
    QStringList namen;
    // The stored names, not the item texts: a row may show a mark after the name.
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            namen << m_eintraege.value(i);
    return namen;
}

void TRelationsListe::SetZusatz(int zeile, const QString& zusatz)
{
    QListWidgetItem* it = item(zeile);
    if (!it || zeile >= m_eintraege.size())
        return;
    const QString text = zusatz.isEmpty() ? m_eintraege.at(zeile) : m_eintraege.at(zeile) + QStringLiteral(" – ") + zusatz;
    if (it->text() != text)
        it->setText(text);
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
    jetztAnordnen();
}

void TRelationsListe::jetztAnordnen()
{
    // Inside Qt's own layout pass (the scroll bars are set while the items are placed)
    // the pass in progress finishes the work.
    if (state() == NoState)
        executeDelayedItemsLayout();
}

void TRelationsListe::rasterAnpassen()
{
    // Equal columns over the visible width; the rest scrolls sideways.
    const int breite = qMax(40, viewport()->width() / m_spalten);
    const int hoehe = Zeilenhoehe(fontMetrics());
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
    // The items fill each column from top to bottom: another height puts every item
    // somewhere else.
    if (e->size().height() != e->oldSize().height() && state() == NoState)
        scheduleDelayedItemsLayout();
    jetztAnordnen();
}

void TRelationsListe::contextMenuEvent(QContextMenuEvent* e)
{
    // A right click does not move the focus: the menu must see the stored state.
    Sichern();
    // From the keyboard the menu belongs to the current row, wherever the mouse is.
    if (e->reason() == QContextMenuEvent::Keyboard && currentItem()) {
        emit kontextmenue(viewport()->mapToGlobal(visualItemRect(currentItem()).center()));
        return;
    }
    emit kontextmenue(e->globalPos());
}
