#pragma once
// Unbalo's one window: three options and the install directory with the
// Install and Exit buttons; and, brought into view by a right click on "Open
// Help" with the access code, the packer's item list with its "Pick Files"
// button. Its caption is the progress display of both runs. Install packs the
// list into a new installer when the program carries no archive, and
// otherwise installs what it carries, then opens the help file, starts the
// launcher and makes its shortcuts.

#include "installer/unbalo/ProgressDisplay.h"
#include "installer/unbalo/ShortcutMaker.h"
#include "platform/forms/Form.h"
#include "shared/PickFilesOwner.h"

#include <memory>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace suite { class EditableFileList; class PickFilesForm; }

namespace unbalo {

class ModUnbalo;
struct InstallReport;

class frmUnbalo : public forms::Form, public suite::PickFilesOwner, public ProgressDisplay {
public:
    // The window's sizes in twips: the client area at the start, and the
    // outer size that brings the item list into view.
    static constexpr int StartWidth = 5550;
    static constexpr int StartHeight = 1890;
    static constexpr int PackerWidth = 10000;
    static constexpr int PackerHeight = 4020;
    // What the access code must be, exactly.
    static const QString AccessCode;

    explicit frmUnbalo(ModUnbalo& module, QWidget* parent = nullptr);
    ~frmUnbalo() override;

    // Handlers, entered through the dispatcher.
    void ChkReadme_MouseDown(Qt::MouseButton button);
    void cmdGo_Click();
    void cmdExit_Click();
    void CmdPick_Click();

    // The hand-over from the picker: a new last row of the item list.
    void Batchlist1sub(const QString& fileToAdd) override;
    void showProgress(const QString& caption) override;

    suite::PickFilesForm& pickFilesWindow() const { return *frmBatch_; }

private:
    void Form_Unload(bool& cancel) override;
    void layOut();
    void bindEvents();
    // What follows a finished install: the closing message, help, launcher
    // and shortcuts, each passed over when it fails.
    void afterInstall(const InstallReport& report);

    ModUnbalo& module_;
    ShortcutMaker shortcuts_;

    QGroupBox* const Frame2;
    QCheckBox* const ChkReadme;
    QCheckBox* const ChkDesktop;
    QCheckBox* const ChkRun;
    QGroupBox* const Frame1;
    QLineEdit* const TxtDirectory;
    QPushButton* const cmdGo;
    QPushButton* const cmdExit;
    QGroupBox* const frameModuleOptions;
    QPushButton* const CmdPick;
    suite::EditableFileList* const fileList_;

    std::unique_ptr<suite::PickFilesForm> frmBatch_;
};

}  // namespace unbalo
