#pragma once
// The company's project numbers as the project window lists them: in
// alphabetical order (without regard to case) whatever the order of adding,
// duplicates allowed, an empty line of the file an empty entry. The list is
// kept in "Project.txt" beside the program, one number and CR LF a line; every
// change writes the whole file first (to a temporary file that then replaces
// it) and changes the list only once the file is written, so the list and the
// file never disagree and a failure never leaves half a file.

#include <QAbstractListModel>
#include <QStringList>

namespace files { class FileSystem; }

namespace kandrel {

class ProjectList : public QAbstractListModel {
public:
    ProjectList(files::FileSystem& files, QString path, QObject* parent = nullptr);

    const QString& path() const { return path_; }
    const QStringList& entries() const { return entries_; }

    // Reads the file. A missing file is an empty list; any other failure
    // (the file cannot be read) raises and leaves the list empty, and from
    // then on no change is written over the file that could not be read.
    void load();
    // Adds a number at its place; returns its row.
    int add(const QString& number);
    void removeAt(int row);

    // The row a number of the list would take: after the entries that sort
    // before it or equal it.
    int placeOf(const QString& number) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // Writes the entries; raises what the file system raises.
    void write(const QStringList& entries);

    files::FileSystem& files_;
    QString path_;
    QStringList entries_;
    // Set while the file on disk holds a list this one never read.
    bool unread_ = false;
    QString unreadReason_;
};

}  // namespace kandrel
