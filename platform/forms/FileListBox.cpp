#include "platform/forms/FileListBox.h"

#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/forms/FolderPath.h"
#include "platform/runtime/Error.h"

#include <QDrag>
#include <QListWidget>
#include <QMimeData>
#include <QSet>
#include <QUrl>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace forms {

namespace {
constexpr int InvalidPropertyArrayIndex = 381;

// The list inside the control; a drag out of it carries what the control says
// and offers only the actions the control allows.
class DragList : public QListWidget {
public:
    explicit DragList(FileListBox* owner) : QListWidget(owner), owner_(owner) {}

protected:
    void startDrag(Qt::DropActions) override
    {
        const Qt::DropActions allowed = owner_->dragActions();
        if (allowed == Qt::IgnoreAction || selectedItems().isEmpty())
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(owner_->selectedFilesData());
        drag->exec(allowed, allowed & Qt::CopyAction ? Qt::CopyAction : Qt::IgnoreAction);
    }

private:
    FileListBox* owner_;
};
}  // namespace

FileListBox::FileListBox(files::FileSystem& files, QWidget* parent)
    : QWidget(parent), files_(files), list_(new DragList(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { emit selectionChanged(); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit doubleClicked(list_->row(item)); });
    connect(list_, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit rightClicked(list_->viewport()->mapToGlobal(pos)); });
}

void FileListBox::setPath(const QString& path)
{
    const QString folder = FolderPath::existing(files_, path);
    path_ = folder;
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
    }
    refresh();
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    refresh();
}

bool FileListBox::multiSelect() const { return list_->selectionMode() == QAbstractItemView::ExtendedSelection; }

void FileListBox::setMultiSelect(bool multiSelect)
{
    list_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
}

void FileListBox::setDragActions(Qt::DropActions actions)
{
    dragActions_ = actions;
    list_->setDragEnabled(actions != Qt::IgnoreAction);
    list_->setDragDropMode(actions != Qt::IgnoreAction ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

QMimeData* FileListBox::selectedFilesData() const
{
    QList<QUrl> urls;
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->isSelected())
            urls.append(QUrl::fromLocalFile(files_.hostPath(files::WinPath::join(path_, list_->item(i)->text()))));
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

int FileListBox::count() const { return list_->count(); }

void FileListBox::checkIndex(int index) const
{
    if (index < 0 || index >= list_->count())
        runtime::raise(InvalidPropertyArrayIndex, QStringLiteral("Invalid property array index"));
}

QString FileListBox::item(int index) const
{
    checkIndex(index);
    return list_->item(index)->text();
}

bool FileListBox::isSelected(int index) const
{
    checkIndex(index);
    return list_->item(index)->isSelected();
}

void FileListBox::setSelected(int index, bool selected)
{
    checkIndex(index);
    if (selected && !multiSelect())
        list_->setCurrentRow(index);
    else
        list_->item(index)->setSelected(selected);
}

void FileListBox::refresh()
{
    QSet<QString> selected;
    for (const QListWidgetItem* entry : list_->selectedItems())
        selected.insert(entry->text());

    QStringList names;
    QSet<QString> listed;
    if (!path_.isEmpty()) {
        const QStringList patterns = pattern_.split(u';', Qt::SkipEmptyParts);
        try {
            for (const QString& pattern : patterns.isEmpty() ? QStringList{QStringLiteral("*")} : patterns) {
                for (const QString& name : files_.listFiles(path_, pattern.trimmed())) {
                    if (!listed.contains(name)) {
                        listed.insert(name);
                        names.append(name);
                    }
                }
            }
        } catch (const runtime::Error&) {
            names.clear();  // the folder has gone
        }
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            const int order = a.compare(b, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a < b;
        });
    }

    const QSignalBlocker blocker(list_);
    list_->clear();
    list_->addItems(names);
    for (int i = 0; i < list_->count(); ++i) {
        if (selected.contains(list_->item(i)->text()))
            list_->item(i)->setSelected(true);
    }
}

}  // namespace forms
