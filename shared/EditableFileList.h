#pragma once
// An ordered list of full file paths that the user fills through the "Pick
// Files" window and then edits: clear it, delete the selected row after a
// question, move the selected row up or down, and, where the variant allows,
// drag a row to another place. The order of the rows is the order in which the
// owner works through them.
//
// The list and its buttons are made as children of the owner's widget; the
// owner places them (placeTwips) where its window wants them.

#include "shared/EditableFileListVariant.h"

#include <QObject>
#include <QPoint>
#include <QStringList>

class QAction;
class QListWidget;
class QMenu;
class QToolButton;
class QWidget;

namespace env { struct Environment; }

namespace suite {

class EditableFileList : public QObject {
public:
    EditableFileList(env::Environment& env, EditableFileListVariant variant, QWidget* parent);

    const EditableFileListVariant& variant() const { return variant_; }

    // The list box, named after the variant ("lstItems", "LstDwg").
    QListWidget* const List;
    QToolButton* cmdAdd = nullptr;  // "Clear all", where the variant clears by a button
    QToolButton* const cmdDelete;
    QToolButton* const cmdUp;
    QToolButton* const cmdDown;
    // The right-click menu that clears, where the variant clears by a menu.
    QMenu* MnuPlotting = nullptr;
    QAction* MnuClear = nullptr;

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
    void clearAll();
    // Selects the row as a click does, running the enable rules.
    void selectRow(int row);
    int sortedPlace(const QString& path) const;
    int topIndex() const;

    env::Environment& env_;
    EditableFileListVariant variant_;
    QPoint pressPos_;
};

}  // namespace suite
