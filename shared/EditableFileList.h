#pragma once
// An ordered list of full file paths that the user fills through the "Pick
// Files" window and then edits: clear it, delete the selected row after a
// question, move the selected row up or down, and, where the variant allows,
// drag a row to another place. The rows live in a FileListModel that the
// owner keeps and its run reads; this widget shows and edits them.
//
// The widget is the list with its picture buttons beside it, laid out by
// itself; the owner puts it in its own layout. It is named after its list
// with "Box" ("LstDwgBox"); its controls carry their given names ("lstItems"
// or "LstDwg", "cmdUp", "cmdDown", "cmdDelete", "cmdAdd", "MnuPlotting",
// "MnuClear").

#include "shared/EditableFileListVariant.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QListView;
class QMenu;
class QToolButton;

namespace env { struct Environment; }

namespace suite {

class FileListModel;

class EditableFileList : public QWidget {
public:
    EditableFileList(env::Environment& env, EditableFileListVariant variant, FileListModel& model,
                     QWidget* parent = nullptr);

    const EditableFileListVariant& variant() const { return variant_; }
    FileListModel& model() const { return model_; }

    // A path handed over by the picker: appended, or put at its alphabetical
    // place in a sorted list. No duplicate test; the selection stays.
    void Batchlist1sub(const QString& path);

    // Up, Down and Delete enabled from the selection.
    void SetListButtons();

    QStringList items() const;
    int count() const;
    // The selected row, -1 when none is.
    int listIndex() const;
    // The height of one row as shown, in pixels.
    int rowHeight() const;

    // Handlers; the controls reach them through the dispatcher.
    void cmdAdd_Click();
    void MnuClear_Click();
    void cmdDelete_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void List_Click();
    void List_MouseDown(const QPoint& globalPos);
    // Starts dragging the list.
    void List_MouseMove();
    // A drop at y pixels from the top of the list's rows; source is the
    // control the drag came from.
    void List_DragDrop(const QObject* source, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void clearAll();
    // Selects the row as a click does, running the enable rules.
    void selectRow(int row);
    // Selects the row (-1: none) without running them.
    void setSelectedRow(int row);
    // A change the list makes itself: the selection it moves is no click.
    void quietly(const std::function<void()>& change);
    int topIndex() const;

    env::Environment& env_;
    EditableFileListVariant variant_;
    FileListModel& model_;
    QListView* List = nullptr;
    QToolButton* cmdAdd = nullptr;  // "Clear all", where the variant clears by a button
    QToolButton* cmdDelete = nullptr;
    QToolButton* cmdUp = nullptr;
    QToolButton* cmdDown = nullptr;
    // The right-click menu that clears, where the variant clears by a menu.
    QMenu* MnuPlotting = nullptr;
    QAction* MnuClear = nullptr;
    // Set while the list's own moves change the selection: a click is only
    // what the user does.
    bool moving_ = false;
    QPoint pressPos_;
};

}  // namespace suite
