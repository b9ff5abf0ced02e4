#include "project/kandrel/ProjectList.h"

#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <algorithm>

namespace kandrel {

ProjectList::ProjectList(files::FileSystem& files, QString path, QObject* parent)
    : QAbstractListModel(parent), files_(files), path_(std::move(path))
{
}

void ProjectList::load()
{
    QStringList read;
    try {
        read = files_.readLines(path_);
    } catch (const runtime::Error& error) {
        // Nothing there is a list with nothing in it.
        if (error.number() != runtime::err::FileNotFound && error.number() != runtime::err::PathNotFound) {
            unread_ = true;
            unreadReason_ = error.description();
            throw;
        }
    }
    unread_ = false;
    std::stable_sort(read.begin(), read.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    beginResetModel();
    entries_ = read;
    endResetModel();
}

int ProjectList::placeOf(const QString& number) const
{
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), number, [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return int(at - entries_.begin());
}

int ProjectList::add(const QString& number)
{
    const int row = placeOf(number);
    QStringList changed = entries_;
    changed.insert(row, number);
    write(changed);
    beginInsertRows(QModelIndex(), row, row);
    entries_ = changed;
    endInsertRows();
    return row;
}

void ProjectList::removeAt(int row)
{
    if (row < 0 || row >= entries_.size())
        runtime::raise(runtime::err::SubscriptOutOfRange);
    QStringList changed = entries_;
    changed.removeAt(row);
    write(changed);
    beginRemoveRows(QModelIndex(), row, row);
    entries_ = changed;
    endRemoveRows();
}

void ProjectList::write(const QStringList& entries)
{
    // Writing the list back over a file it never read would lose the
    // company's numbers in it.
    if (unread_)
        runtime::raise(runtime::err::PermissionDenied,
                       QStringLiteral("The project list could not be read, so it is not written (%1)").arg(unreadReason_));
    files_.writeLines(path_, entries);
}

int ProjectList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(entries_.size()); }

QVariant ProjectList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= entries_.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return entries_[index.row()];
    return QVariant();
}

}  // namespace kandrel
