#pragma once
// Pollent's main window "Pollent Processor\Archive Drawings": the drawing list
// a batch run processes, the operation list of the option set, the project
// folder in the status bar, and the menus that lead to the run, the picker, the
// options, the attribute settings and the About window. Its load attaches to
// the CAD host and switches it to single-document mode; however the program
// ends, that setting goes back. It owns the program's other windows.

#include "batch/pollent/DrawingList.h"
#include "batch/pollent/ImageList.h"
#include "batch/pollent/OperationList.h"
#include "platform/forms/Form.h"
#include "shared/PickFilesOwner.h"
#include "shared/ReportError.h"

#include <QPoint>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTreeView;

namespace suite { class PickFilesForm; }

namespace pollent {

class About;
class BatchForm3;
class FrmBatchSettings;
class FrmCancel;
class Session;

class BatchForm1 : public forms::Form, public suite::PickFilesOwner {
public:
    explicit BatchForm1(Session& session);
    ~BatchForm1() override;

    Session& session() { return session_; }
    const DrawingList& drawings() const { return drawings_; }
    const OperationList& operations() const { return operations_; }
    bool isRunning() const { return running_; }

    // The program's other windows, each loaded when first shown.
    suite::PickFilesForm& batchForm2() { return *BatchForm2; }
    BatchForm3& batchForm3() { return *Options; }
    FrmBatchSettings& frmBatchSettings() { return *Settings; }
    About& about() { return *AboutBox; }
    FrmCancel& frmCancel() { return *RunWindow; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Batchlist1sub(const QString& fileToAdd) override;
    // batch.batchlist: the operation list from the option set.
    void batchlist();
    void MnuRunProcessor_Click();
    void MnuExit_Click();
    void MnuAddDrawing_Click();
    void MnuRemoveDrawing_Click();
    void MnuRemoveallDrawing_Click();
    void MnuSortAZ_Click();
    void MnuSortZA_Click();
    void MnuScriptSettings_Click();
    void MnuProSettings_Click();
    void MnuAbout_Click();
    void StatusBar1_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void ListView1_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void ListView2_MouseUp(Qt::MouseButton button, const QPoint& globalPos);

    // The picker's "Current Project" and its report.
    QString projectFolder() override;
    suite::Resume reportProjectError(const runtime::Error& error) override;

private:
    void buildMenus();
    void buildLists();
    void layOut();
    void bind();
    void readProjectPath();
    void showProjectPath();
    // Panel 1 says the host runs only while the program holds one.
    void showHostStatus();
    void setInitialOptions();
    void removeSelected();
    void popUp(QMenu* menu, Qt::MouseButton button, const QPoint& globalPos);
    // The commands that would start or change a run are unavailable while
    // one is going (the run lets window events through between drawings).
    void setRunning(bool running);
    // What the error report does before its question: the run window goes,
    // the main window comes.
    void showMainHideRun();

    Session& session_;
    suite::ReportError report_;
    const ImageList ImageList1;
    DrawingList drawings_;
    OperationList operations_;

    QMenuBar* const MenuBar;
    QMenu* const Mnufile;
    QAction* const MnuRunProcessor;
    QAction* const MnuExit;
    QMenu* const MnuDrawinglist;
    QAction* const MnuAddDrawing;
    QAction* const MnuRemoveDrawing;
    QAction* const MnuRemoveallDrawing;
    QAction* const MnuSortAZ;
    QAction* const MnuSortZA;
    QMenu* const MnuScript;
    QAction* const MnuScriptSettings;
    QMenu* const MnuOptions;
    QAction* const MnuProSettings;
    QMenu* const MnuHelp;
    QAction* const MnuAbout;

    QTreeView* const ListView1;
    QTreeView* const ListView2;
    QStatusBar* const StatusBar1;
    QLabel* const Panel1;
    QLabel* const Panel2;

    // Made once, in the constructor, after the state they share.
    std::unique_ptr<suite::PickFilesForm> BatchForm2;
    std::unique_ptr<BatchForm3> Options;
    std::unique_ptr<FrmBatchSettings> Settings;
    std::unique_ptr<About> AboutBox;
    std::unique_ptr<FrmCancel> RunWindow;

    bool running_ = false;
};

}  // namespace pollent
