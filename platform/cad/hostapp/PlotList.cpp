#include "platform/cad/hostapp/PlotList.h"

#include "platform/shell/Shell.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace hostapp {

PlotList::PlotList(QString folder, const QString& caption, shell::Shell& shell, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), shell_(shell), caption_(new QLabel(this)),
      list_(new QListWidget(this)), watcher_(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("PlotList"));
    list_->setObjectName(QStringLiteral("Plots"));
    caption_->setText(caption);
    caption_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(caption_);
    layout->addWidget(list_, 1);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &PlotList::refresh);
    connect(list_, &QListWidget::itemActivated, this, &PlotList::openItem);
    refresh();
}

QStringList PlotList::files() const
{
    QStringList names;
    for (int i = 0; i < list_->count(); ++i)
        names.append(list_->item(i)->text());
    return names;
}

void PlotList::refresh()
{
    // The folder may be made after the list.
    if (watcher_->directories().isEmpty() && QDir(folder_).exists())
        watcher_->addPath(folder_);
    const QStringList names =
        QDir(folder_).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    if (names == files())
        return;
    list_->clear();
    list_->addItems(names);
}

void PlotList::openItem(QListWidgetItem* item)
{
    if (item)
        shell_.openDocument(QDir(folder_).filePath(item->text()));
}

}  // namespace hostapp
