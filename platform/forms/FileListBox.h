#pragma once
// The file list: the files of one folder whose names match the pattern, without
// regard to case, in alphabetical order, hidden files left out. With
// multiSelect several files can be selected at once. Where the program allows
// it, the selected files can be dragged out of the list (to the desktop's file
// manager, or into another program) with the actions the program offers.

#include <QPoint>
#include <QWidget>

class QListWidget;
class QMimeData;

namespace files { class FileSystem; }

namespace forms {

class FileListBox : public QWidget {
    Q_OBJECT

public:
    // Starts empty, on no folder, with the pattern "*.*".
    explicit FileListBox(files::FileSystem& files, QWidget* parent = nullptr);

    QString path() const { return path_; }
    // A bare drive ("p:") means that drive's current folder. Raises 68 for a
    // drive that is not there and 76 for a folder that is not; the list stays
    // as it was then. Selections are cleared.
    void setPath(const QString& path);

    QString pattern() const { return pattern_; }
    // "*.dwg", "*.*", or several joined by ";" ("*.dwg;*.dxf"). An empty
    // pattern lists every file.
    void setPattern(const QString& pattern);

    bool multiSelect() const;
    void setMultiSelect(bool multiSelect);

    int count() const;
    // The file name of entry i. Entries out of range raise 381.
    QString item(int index) const;
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);

    // Reads the folder again; files still there stay selected. A folder that
    // has gone leaves the list empty.
    void refresh();

    // The actions a drag out of the list offers; none (no drag at all) until
    // the program sets them.
    Qt::DropActions dragActions() const { return dragActions_; }
    void setDragActions(Qt::DropActions actions);
    // What a drag carries: the selected files as file URLs of their host
    // paths, in list order. The caller owns it.
    QMimeData* selectedFilesData() const;

signals:
    void selectionChanged();
    void doubleClicked(int index);
    void rightClicked(const QPoint& globalPos);

private:
    void checkIndex(int index) const;

    files::FileSystem& files_;
    QListWidget* list_;
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    Qt::DropActions dragActions_ = Qt::IgnoreAction;
};

}  // namespace forms
