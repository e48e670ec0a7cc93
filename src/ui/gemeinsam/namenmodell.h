#pragma once
// A list model over the names of one of the day's collections. The collection stays the
// only holder of the names; the model is told to refresh after every change.

#include <QAbstractListModel>
#include <functional>

class TNamenModell : public QAbstractListModel {
    Q_OBJECT
public:
    using Anzahl = std::function<int()>;
    using Name = std::function<QString(int)>;

    TNamenModell(Anzahl anzahl, Name name, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

    /// The collection changed as a whole (after adding, removing, loading).
    void Neu();

private:
    Anzahl m_anzahl;
    Name m_name;
};
