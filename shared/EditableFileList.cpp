#include "shared/EditableFileList.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "shared/EditableFileListIcons.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace suite {

namespace {

// What a row drag carries; only drags from the list itself are taken.
const QString RowDragFormat = QStringLiteral("application/x-suite-file-list-row");

QToolButton* pictureButton(QWidget* parent, const QString& name, const QIcon& icon, const QString& toolTip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(toolTip);
    return button;
}

}  // namespace

EditableFileList::EditableFileList(env::Environment& env, EditableFileListVariant variant, QWidget* parent)
    : QObject(parent),
      List(new QListWidget(parent)),
      cmdDelete(pictureButton(parent, QStringLiteral("cmdDelete"), EditableFileListIcons::remove(),
                              variant.deleteToolTip)),
      cmdUp(pictureButton(parent, QStringLiteral("cmdUp"), EditableFileListIcons::up(), variant.upToolTip)),
      cmdDown(pictureButton(parent, QStringLiteral("cmdDown"), EditableFileListIcons::down(),
                            variant.downToolTip)),
      env_(env),
      variant_(std::move(variant))
{
    List->setObjectName(variant_.listName);
    List->setToolTip(variant_.listToolTip);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    // The first visible row is then the scroll bar's value.
    List->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    cmdDelete->setEnabled(false);
    cmdUp->setEnabled(false);
    cmdDown->setEnabled(false);

    forms::Dispatcher& d = *env_.dispatcher;
    if (variant_.hasClearButton()) {
        cmdAdd = pictureButton(parent, QStringLiteral("cmdAdd"), EditableFileListIcons::clearAll(),
                               variant_.clearToolTip);
        connect(cmdAdd, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdAdd_Click));
    } else {
        MnuPlotting = new QMenu(variant_.clearMenuTitle, parent);
        MnuPlotting->setObjectName(QStringLiteral("MnuPlotting"));
        MnuClear = MnuPlotting->addAction(variant_.clearMenuItem);
        MnuClear->setObjectName(QStringLiteral("MnuClear"));
        connect(MnuClear, &QAction::triggered, this, d.wrap(this, &EditableFileList::MnuClear_Click));
        List->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(List, &QListWidget::customContextMenuRequested, this,
                d.wrap([this](const QPoint& pos) { List_MouseDown(List->viewport()->mapToGlobal(pos)); }));
    }
    connect(cmdDelete, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdDelete_Click));
    connect(cmdUp, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdUp_Click));
    connect(cmdDown, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdDown_Click));
    // A click in the list: a new selection by mouse or keys, or a click on
    // the row that is already selected.
    connect(List, &QListWidget::itemSelectionChanged, this, d.wrap(this, &EditableFileList::List_Click));
    connect(List, &QListWidget::itemClicked, this, d.wrap(this, &EditableFileList::List_Click));

    if (variant_.dragReorder) {
        List->viewport()->setAcceptDrops(true);
        List->viewport()->installEventFilter(this);
    }
}

void EditableFileList::Batchlist1sub(const QString& path)
{
    const QSignalBlocker blocker(List);
    if (variant_.sorted)
        List->insertItem(sortedPlace(path), path);
    else
        List->addItem(path);
}

int EditableFileList::sortedPlace(const QString& path) const
{
    // As a sorted list box places a new row: before the first row that sorts
    // after it, without regard to case.
    for (int row = 0; row < List->count(); ++row) {
        if (path.compare(List->item(row)->text(), Qt::CaseInsensitive) < 0)
            return row;
    }
    return List->count();
}

void EditableFileList::SetListButtons()
{
    const int i = listIndex();
    const int n = count();
    cmdUp->setEnabled(i > 0);
    cmdDown->setEnabled(i >= 0 && i < n - 1);
    cmdDelete->setEnabled(i >= 0);
}

QStringList EditableFileList::items() const
{
    QStringList texts;
    for (int row = 0; row < List->count(); ++row)
        texts.append(List->item(row)->text());
    return texts;
}

int EditableFileList::count() const { return List->count(); }

int EditableFileList::listIndex() const
{
    const QList<QListWidgetItem*> selected = List->selectedItems();
    return selected.isEmpty() ? -1 : List->row(selected.first());
}

int EditableFileList::rowHeight() const
{
    const int top = topIndex();
    const int shown = top < List->count() ? List->visualItemRect(List->item(top)).height() : 0;
    return qMax(1, shown > 0 ? shown : List->fontMetrics().height());
}

int EditableFileList::topIndex() const { return qMax(0, List->verticalScrollBar()->value()); }

void EditableFileList::cmdAdd_Click() { clearAll(); }

void EditableFileList::MnuClear_Click() { clearAll(); }

void EditableFileList::clearAll()
{
    // The buttons keep their state until the next click in the list.
    const QSignalBlocker blocker(List);
    List->clear();
}

void EditableFileList::cmdDelete_Click()
{
    const int i = listIndex();
    if (i < 0)
        return;
    const QString text = List->item(i)->text();
    if (env_.ui->msgBox(QStringLiteral("Delete '") + text + QStringLiteral("'?"),
                        forms::msgbox::YesNo + forms::msgbox::Question)
        != forms::msgbox::Yes)
        return;
    if (i >= count())
        return;  // the list changed while the question was open
    const QSignalBlocker blocker(List);
    delete List->takeItem(i);
    List->clearSelection();
    List->setCurrentRow(-1);
}

void EditableFileList::cmdUp_Click()
{
    const int i = listIndex();
    if (i <= 0)
        return;
    const QString text = List->item(i)->text();
    {
        const QSignalBlocker blocker(List);
        List->insertItem(i - 1, text);
        delete List->takeItem(i + 1);
    }
    selectRow(i - 1);
}

void EditableFileList::cmdDown_Click()
{
    const int i = listIndex();
    if (i < 0 || i >= count() - 1)
        return;
    const QString text = List->item(i)->text();
    {
        const QSignalBlocker blocker(List);
        List->insertItem(i + 2, text);
        delete List->takeItem(i);
    }
    selectRow(i + 1);
}

void EditableFileList::selectRow(int row)
{
    {
        const QSignalBlocker blocker(List);
        List->setCurrentRow(row);
    }
    List_Click();
}

void EditableFileList::List_Click() { SetListButtons(); }

void EditableFileList::List_MouseDown(const QPoint& globalPos)
{
    if (!MnuPlotting)
        return;
    if (QAction* chosen = env_.ui->popupMenu(MnuPlotting, globalPos))
        chosen->trigger();
}

void EditableFileList::List_MouseMove()
{
    auto* drag = new QDrag(List);
    auto* data = new QMimeData;
    data->setData(RowDragFormat, QByteArray());
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

void EditableFileList::List_DragDrop(const QObject* source, int y)
{
    if (!variant_.dragReorder || source != List || count() == 0)
        return;
    // The row under the drop point; a drop back on the selected row's own
    // place is no move at all.
    int target = topIndex() + y / rowHeight();
    const int s = listIndex();
    if (target == s)
        return;
    if (target > count() - 1)
        target = count() - 1;
    if (s >= 0) {
        const QString text = List->item(s)->text();
        {
            const QSignalBlocker blocker(List);
            delete List->takeItem(s);
            List->insertItem(target, text);
            List->setCurrentRow(target);
        }
    }
    SetListButtons();
}

bool EditableFileList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != List->viewport())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            pressPos_ = mouse->position().toPoint();
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            env_.dispatcher->run([this] { List_MouseMove(); });
            return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->source() == List && drag->mimeData()->hasFormat(RowDragFormat))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QObject* source = drop->source();
        const int y = drop->position().toPoint().y();
        env_.dispatcher->run([this, source, y] { List_DragDrop(source, y); });
        drop->acceptProposedAction();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace suite
