#pragma once
// The folder list: the current folder with the folders above it down from the
// drive's root, and its subfolders below it. A double click opens a folder;
// every change of the folder, by the user or through setPath, is announced.

#include <QPoint>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace files { class FileSystem; }

namespace forms {

class DirListBox : public QWidget {
    Q_OBJECT

public:
    // Starts in the current folder of drive C (or of the first drive there is).
    explicit DirListBox(files::FileSystem& files, QWidget* parent = nullptr);

    // "P:\Jobs"; a drive's root keeps its "\" ("P:\").
    QString path() const { return path_; }
    // A bare drive ("p:") means that drive's current folder. Raises 68 for a
    // drive that is not there and 76 for a folder that is not; the list stays
    // where it was then.
    void setPath(const QString& path);

    // The subfolders listed below the current folder (names).
    QStringList subfolders() const { return subfolders_; }
    // Reads the folders again.
    void refresh();

signals:
    void pathChanged();
    void rightClicked(const QPoint& globalPos);

private:
    void opened(QTreeWidgetItem* item);

    files::FileSystem& files_;
    QTreeWidget* tree_;
    QString path_;
    QStringList subfolders_;
};

}  // namespace forms
