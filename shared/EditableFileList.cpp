#include "shared/EditableFileList.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "shared/EditableFileListIcons.h"
#include "shared/FileListModel.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDrag>
#include <QDropEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScrollBar>
#include <QToolButton>
#include <utility>

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

EditableFileList::EditableFileList(env::Environment& env, EditableFileListVariant variant, FileListModel& model,
                                   QWidget* parent)
    : QWidget(parent), env_(env), variant_(std::move(variant)), model_(model)
{
    setObjectName(variant_.listName + QStringLiteral("Box"));
    List = new QListView(this);
    List->setObjectName(variant_.listName);
    List->setModel(&model_);
    List->setToolTip(variant_.listToolTip);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows of one height: a long list costs no more to lay out than a short
    // one. The first visible row is then the scroll bar's value.
    List->setUniformItemSizes(true);
    List->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    cmdDelete = pictureButton(this, QStringLiteral("cmdDelete"), EditableFileListIcons::remove(),
                              variant_.deleteToolTip);
    cmdUp = pictureButton(this, QStringLiteral("cmdUp"), EditableFileListIcons::up(), variant_.upToolTip);
    cmdDown = pictureButton(this, QStringLiteral("cmdDown"), EditableFileListIcons::down(), variant_.downToolTip);
    cmdDelete->setEnabled(false);
    cmdUp->setEnabled(false);
    cmdDown->setEnabled(false);

    forms::Dispatcher& d = *env_.dispatcher;
    if (variant_.hasClearButton()) {
        cmdAdd = pictureButton(this, QStringLiteral("cmdAdd"), EditableFileListIcons::clearAll(),
                               variant_.clearToolTip);
        connect(cmdAdd, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdAdd_Click));
    } else {
        MnuPlotting = new QMenu(variant_.clearMenuTitle, this);
        MnuPlotting->setObjectName(QStringLiteral("MnuPlotting"));
        MnuClear = MnuPlotting->addAction(variant_.clearMenuItem);
        MnuClear->setObjectName(QStringLiteral("MnuClear"));
        connect(MnuClear, &QAction::triggered, this, d.wrap(this, &EditableFileList::MnuClear_Click));
        List->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(List, &QListView::customContextMenuRequested, this,
                d.wrap([this](const QPoint& pos) { List_MouseDown(List->viewport()->mapToGlobal(pos)); }));
    }
    connect(cmdDelete, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdDelete_Click));
    connect(cmdUp, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdUp_Click));
    connect(cmdDown, &QToolButton::clicked, this, d.wrap(this, &EditableFileList::cmdDown_Click));
    // A click in the list: a new selection by mouse or keys, or a click on
    // the row that is already selected.
    const auto click = d.wrap([this] {
        if (!moving_)
            List_Click();
    });
    connect(List->selectionModel(), &QItemSelectionModel::selectionChanged, this, click);
    connect(List, &QListView::clicked, this, click);

    if (variant_.dragReorder) {
        List->viewport()->setAcceptDrops(true);
        List->viewport()->installEventFilter(this);
    }
    layOut();
}

void EditableFileList::layOut()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(List, 1);
    auto* column = new QVBoxLayout;
    for (const QString& name : variant_.buttonColumn) {
        if (auto* button = findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly))
            column->addWidget(button);
    }
    column->addStretch(1);
    row->addLayout(column);
}

void EditableFileList::Batchlist1sub(const QString& path)
{
    // The selection stays on its row, wherever the new row goes.
    quietly([&] { model_.insert(variant_.sorted ? model_.sortedPlace(path) : model_.count(), path); });
}

void EditableFileList::SetListButtons()
{
    const int i = listIndex();
    const int n = count();
    cmdUp->setEnabled(i > 0);
    cmdDown->setEnabled(i >= 0 && i < n - 1);
    cmdDelete->setEnabled(i >= 0);
}

QStringList EditableFileList::items() const { return model_.paths(); }

int EditableFileList::count() const { return model_.count(); }

int EditableFileList::listIndex() const
{
    const QModelIndexList selected = List->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int EditableFileList::rowHeight() const
{
    const int top = topIndex();
    const int shown = top < count() ? List->visualRect(model_.index(top)).height() : 0;
    return qMax(1, shown > 0 ? shown : List->fontMetrics().height());
}

int EditableFileList::topIndex() const { return qMax(0, List->verticalScrollBar()->value()); }

void EditableFileList::cmdAdd_Click() { clearAll(); }

void EditableFileList::MnuClear_Click() { clearAll(); }

void EditableFileList::clearAll()
{
    // The buttons keep their state until the next click in the list.
    quietly([this] { model_.clear(); });
}

void EditableFileList::cmdDelete_Click()
{
    const int i = listIndex();
    if (i < 0)
        return;
    const QString text = model_.path(i);
    if (env_.ui->msgBox(QStringLiteral("Delete '") + text + QStringLiteral("'?"),
                        forms::msgbox::YesNo + forms::msgbox::Question)
        != forms::msgbox::Yes)
        return;
    if (i >= count())
        return;  // the list changed while the question was open
    quietly([&] {
        model_.remove(i);
        setSelectedRow(-1);
    });
}

void EditableFileList::cmdUp_Click()
{
    const int i = listIndex();
    if (i <= 0)
        return;
    const QString text = model_.path(i);
    quietly([&] {
        model_.insert(i - 1, text);
        model_.remove(i + 1);
    });
    selectRow(i - 1);
}

void EditableFileList::cmdDown_Click()
{
    const int i = listIndex();
    if (i < 0 || i >= count() - 1)
        return;
    const QString text = model_.path(i);
    quietly([&] {
        model_.insert(i + 2, text);
        model_.remove(i);
    });
    selectRow(i + 1);
}

void EditableFileList::quietly(const std::function<void()>& change)
{
    const bool was = std::exchange(moving_, true);
    const auto back = qScopeGuard([this, was] { moving_ = was; });
    change();
}

void EditableFileList::setSelectedRow(int row)
{
    quietly([&] {
        if (row < 0)
            List->selectionModel()->clear();
        else
            List->selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::ClearAndSelect);
    });
}

void EditableFileList::selectRow(int row)
{
    setSelectedRow(row);
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
        const QString text = model_.path(s);
        quietly([&] {
            model_.remove(s);
            model_.insert(target, text);
        });
        setSelectedRow(target);
    }
    SetListButtons();
}

bool EditableFileList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != List->viewport())
        return QWidget::eventFilter(watched, event);
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
    return QWidget::eventFilter(watched, event);
}

}  // namespace suite
