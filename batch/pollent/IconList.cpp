#include "batch/pollent/IconList.h"

namespace pollent {

IconList::IconList(QString heading, QIcon icon, QObject* parent)
    : QAbstractListModel(parent), heading_(std::move(heading)), icon_(std::move(icon))
{
}

int IconList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant IconList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return rows_.at(index.row());
    case Qt::DecorationRole: return icon_;
    default: return {};
    }
}

QVariant IconList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return heading_;
    return {};
}

void IconList::append(const QString& text)
{
    beginInsertRows({}, count(), count());
    rows_.append(text);
    endInsertRows();
}

void IconList::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

void IconList::replace(QStringList rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

}  // namespace pollent
