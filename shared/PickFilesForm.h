#pragma once
// The "Pick Files" window: a drive list, a folder list and a multi-select file
// list side by side. It keeps no list of its own: every file the user accepts
// is handed to its owner's list one at a time, as the argument of the owner's
// Batchlist1sub. What the programs' copies differ in is the variant: which
// controls and menus exist, where the lists start and what a click does.

#include "platform/forms/Form.h"
#include "shared/PickFilesVariant.h"

#include <QPoint>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace env { struct Environment; }
namespace forms { class DirListBox; class DriveListBox; class FileListBox; }

namespace suite {

class PickFilesOwner;

class PickFilesForm : public forms::Form {
public:
    PickFilesForm(env::Environment& env, PickFilesVariant variant, PickFilesOwner& owner,
                  QWidget* parent = nullptr);

    const PickFilesVariant& variant() const { return variant_; }

    // Handlers; the controls reach them through the dispatcher.
    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_MouseDown(const QPoint& globalPos);
    void File1_MouseDown(const QPoint& globalPos);
    void File1_DblClick();
    void Mnup_Click();
    void MnuProject_Click();
    void Accept_Click();
    void MnuAddToList_Click();
    void Exit2_Click();

private:
    void buildMenus();
    void layOut();
    void bind();

    // Each selected file, in list order, to the owner's list.
    void handOverSelected();
    // Drive P:'s current folder, else drive C:'s; the lists stay where they
    // are when neither can be opened.
    void startOnDriveP();
    // The drive and its current folder. Raises before anything moves when
    // the drive is not there.
    void goToDrive(const QString& drive);
    // The drive and folder of an existing folder. Raises before anything
    // moves when the folder is not there.
    void goToFolder(const QString& folder);
    void popUp(QMenu* menu, const QPoint& globalPos);

    env::Environment& env_;
    PickFilesVariant variant_;
    PickFilesOwner& owner_;
    QString homeFolder_;  // where the lists started on their own

    forms::DriveListBox* const Drive1;
    forms::DirListBox* const Dir1;
    forms::FileListBox* const File1;
    QPushButton* const Accept;
    QPushButton* const Exit2;
    QLabel* const LblMenu;  // "Right Click For Menu:", where the variant shows it

    // Pop-up menus and their items; null where the variant has none.
    QMenu* MnuDrive = nullptr;
    QAction* MnuProject = nullptr;
    QAction* Mnup = nullptr;
    QMenu* MnuAdd = nullptr;
    QAction* MnuAddToList = nullptr;
};

}  // namespace suite
