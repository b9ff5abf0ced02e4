#include "platform/forms/DirListBox.h"

#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/forms/FolderPath.h"
#include "platform/runtime/Error.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace forms {

namespace {
constexpr int PathRole = Qt::UserRole;
}

DirListBox::DirListBox(files::FileSystem& files, QWidget* parent)
    : QWidget(parent), files_(files), tree_(new QTreeWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setExpandsOnDoubleClick(false);
    tree_->setIndentation(12);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { opened(item); });
    connect(tree_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit rightClicked(tree_->viewport()->mapToGlobal(pos)); });

    const QStringList drives = files_.drives();
    const QString start = drives.contains(QStringLiteral("c:")) ? QStringLiteral("c:") : drives.value(0);
    try {
        if (!start.isEmpty())
            path_ = FolderPath::existing(files_, start);
    } catch (const runtime::Error&) {
        // A drive whose folder has gone: the list starts empty.
    }
    refresh();
}

void DirListBox::setPath(const QString& path)
{
    const QString folder = FolderPath::existing(files_, path);
    if (folder == path_) {
        refresh();
        return;
    }
    path_ = folder;
    refresh();
    emit pathChanged();
}

void DirListBox::refresh()
{
    tree_->clear();
    subfolders_.clear();
    if (path_.isEmpty())
        return;
    try {
        subfolders_ = files_.listFolders(path_);
    } catch (const runtime::Error&) {
        // The folder has gone since it was opened: only the way to it shows.
    }

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& folder : FolderPath::chain(path_)) {
        const QString name = parent ? files::WinPath::fileName(folder) : folder;
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(tree_, {name});
        item->setIcon(0, openIcon);
        item->setData(0, PathRole, folder);
        item->setExpanded(true);
        parent = item;
    }
    for (const QString& name : subfolders_) {
        auto* item = new QTreeWidgetItem(parent, {name});
        item->setIcon(0, closedIcon);
        item->setData(0, PathRole, files::WinPath::join(path_, name));
    }
    tree_->expandAll();
    tree_->setCurrentItem(parent);
}

void DirListBox::opened(QTreeWidgetItem* item)
{
    if (!item)
        return;
    try {
        setPath(item->data(0, PathRole).toString());
    } catch (const runtime::Error&) {
        // The folder went away after it was listed; show what is there now.
        refresh();
    }
}

}  // namespace forms
