#pragma once
// Fentrow's one window, the drawing browser: drive, folder and "*.DWG" file
// lists, the clicked drawing's thumbnail and release, and the commands that
// insert it into the host's active drawing as a block or attach it as an
// overlay xref. A pop-up menu on the file list goes up a level, to the current
// project's folder or its library, to the standard-blocks root, or into a
// subfolder of the folder shown. A picture button hands over to the host's
// xref manager and ends the program.

#include "platform/forms/Form.h"

#include <QList>
#include <QPoint>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace cad { class Document; }
namespace env { struct Environment; }
namespace forms { class DirListBox; class DriveListBox; class FileListBox; }
namespace runtime { class Error; }

namespace fentrow {

class MdlAcad;
class PreviewBox;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlAcad& acad);

    MdlAcad& acad() { return acad_; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_MouseDown(const QPoint& globalPos);
    void InsertBlock_Click();
    void InsertXref_Click();
    void OpenDrawing_Click();
    void Exit_Click();
    void Picture2_Click();
    void MnuUpOne_Click();
    void mnuCurrentProject_Click();
    void mnuProjectLibrary_Click();
    void MnuDir_Click(int index);
    // Clears the ticks of "Current Project..." and "Project Library...".
    void check();

    // The drawing last clicked: the source of every insert.
    QString drawing() const;

private:
    void createControls();
    void buildMenu();
    void layOut();
    void bindEvents();

    // The drive and the folder lists on an existing folder; raises before
    // anything moves when it is not there.
    void goToFolder(const QString& folder);
    // Drive C and its current folder, whatever else failed.
    void goToDriveC();
    // One item per subfolder of the folder shown, after "Standard Blocks...".
    void rebuildFolderItems();
    // A project command's failure: drive C, and the warning.
    void noProjectPath();
    // The tile mode the inserts go by: model space's (1) also while model
    // space is worked in through a viewport of a layout.
    static int pickingSpace(cad::Document& doc);
    // The message of a failed insert.
    void reportInsertError(const runtime::Error& error);

    env::Environment& env_;
    MdlAcad& acad_;

    forms::DriveListBox* Drive1;
    forms::DirListBox* Dir1;
    forms::FileListBox* File1;
    QLabel* Label1;
    QGroupBox* FraPreview;
    PreviewBox* Pic;
    QLabel* LblVersion;
    QPushButton* InsertBlock;
    QPushButton* InsertXref;
    QPushButton* OpenDrawing;
    QPushButton* Exit;
    QToolButton* Picture2;
    QStatusBar* StatusBar1;
    // The status bar's second panel, the current project folder.
    QLabel* Panel2;

    QMenu* mnuStandardDrives;
    QAction* MnuUpOne;
    QAction* mnuCurrentProject;
    QAction* mnuProjectLibrary;
    // Item 0 "Standard Blocks...", then one per subfolder.
    QList<QAction*> MnuDir;
};

}  // namespace fentrow
