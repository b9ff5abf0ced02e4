#include "shared/FileListModel.h"

namespace suite {

int FileListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return paths_.at(index.row());
    return {};
}

void FileListModel::insert(int row, const QString& path)
{
    row = qBound(0, row, count());
    beginInsertRows({}, row, row);
    paths_.insert(row, path);
    endInsertRows();
}

int FileListModel::sortedPlace(const QString& path) const
{
    for (int row = 0; row < count(); ++row) {
        if (path.compare(paths_.at(row), Qt::CaseInsensitive) < 0)
            return row;
    }
    return count();
}

void FileListModel::remove(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    paths_.removeAt(row);
    endRemoveRows();
}

void FileListModel::clear()
{
    if (paths_.isEmpty())
        return;
    beginResetModel();
    paths_.clear();
    endResetModel();
}

}  // namespace suite
