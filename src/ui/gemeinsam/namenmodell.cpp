#include "gemeinsam/namenmodell.h"

TNamenModell::TNamenModell(Anzahl anzahl, Name name, QObject* eltern)
    : QAbstractListModel(eltern)
    , m_anzahl(std::move(anzahl))
    , m_name(std::move(name))
{
}

int TNamenModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_anzahl();
}

QVariant TNamenModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_anzahl())
        return {};
    if (rolle == Qt::DisplayRole || rolle == Qt::AccessibleTextRole || rolle == Qt::ToolTipRole)
        return m_name(index.row());
    return {};
}

void TNamenModell::Neu()
{
    beginResetModel();
    endResetModel();
}
