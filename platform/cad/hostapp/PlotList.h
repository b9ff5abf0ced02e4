#pragma once
// The host's list of plots written: the PDF files of its plot folder, newest
// first, kept up to date as plots arrive. A double click opens one in the
// desktop's viewer.

#include <QStringList>
#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace shell {
class Shell;
}

namespace hostapp {

class PlotList : public QWidget {
    Q_OBJECT

public:
    // `folder`: the plot folder's host path, shown as `caption` (the path
    // the tools know it by); `shell` opens the files.
    PlotList(QString folder, const QString& caption, shell::Shell& shell, QWidget* parent = nullptr);

    const QString& folder() const { return folder_; }
    // The files listed, by name, as shown.
    QStringList files() const;
    // Reads the folder again (the watcher does it on its own).
    void refresh();

private:
    void openItem(QListWidgetItem* item);

    QString folder_;
    shell::Shell& shell_;
    QLabel* const caption_;
    QListWidget* const list_;
    QFileSystemWatcher* const watcher_;
};

}  // namespace hostapp
