#pragma once
// The rows of an editable file list: full file paths in the order the owner
// works through them. The list window shows it and edits it; the owner's run
// reads it. It holds no widget, so a run can take it without a window.

#include <QAbstractListModel>
#include <QStringList>

namespace suite {

class FileListModel : public QAbstractListModel {
public:
    explicit FileListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The rows in the order shown.
    const QStringList& paths() const { return paths_; }
    int count() const { return int(paths_.size()); }
    QString path(int row) const { return paths_.value(row); }

    // A row inserted before `row` (at the end for count()).
    void insert(int row, const QString& path);
    void append(const QString& path) { insert(count(), path); }
    // The row where a sorted list puts the path: before the first row that
    // sorts after it, without regard to case. Rows moved out of order stay
    // where they are, as in a sorted list box.
    int sortedPlace(const QString& path) const;
    void remove(int row);
    void clear();

private:
    QStringList paths_;
};

}  // namespace suite
