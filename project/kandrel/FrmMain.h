#pragma once
// Kandrel's project window: the company's project numbers (added and removed
// here, kept in the project list file), what the host uses now (the current
// project, the template and plot-style paths), and a settings panel with the
// rules that turn a number into a project folder. Choosing a project (Ok or a
// double click) makes it the host's current project and ends the program. The
// window follows the active drawing by attaching again every three seconds;
// it opens the set-up wizard and takes the projects root back from it.

#include "platform/forms/Form.h"
#include "project/kandrel/WizardOwner.h"

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace runtime { class Error; }
namespace suite { class ReattachTimer; }

namespace kandrel {

class FrmWizard;
class Session;

class FrmMain : public forms::Form, public WizardOwner {
public:
    explicit FrmMain(Session& session);
    ~FrmMain() override;

    Session& session() { return session_; }
    FrmWizard& wizard() { return *wizard_; }
    // 0 while the settings panel is hidden, -1 while it is shown.
    int settingState() const { return SettingState; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void CmdAdd_Click();
    void CmdRemove_Click();
    void CmdOK_Click();
    void List1_DblClick();
    void CmdExit_Click();
    void CmdSetting_Click();
    void CmdWizard_Click();
    void Timer1_Timer();

    // Attaches to the host; on failure the box is shown and the window
    // unloads, which ends the program. True when attached.
    bool AcadProj();
    // Makes the selected project the host's current project.
    void DoProject();

    void setProjectPrefix(const QString& prefix) override;
    void wizardClosed() override;

private:
    void createControls();
    void layOut();
    void bindEvents();
    // The list's selected entry; "" when none is selected.
    QString selectedProject() const;
    int selectedRow() const;
    // The window as wide as the twips, or as its controls need if more.
    void setWidthTwips(int twips);
    void reportAppError(const QString& location, const runtime::Error& error);

    Session& session_;
    int SettingState = 0;
    // Load reached the settings: only then are they saved at unload.
    bool settingsShown_ = false;

    QGroupBox* FraProjectNum;
    QLineEdit* TxtProjectNum;
    QPushButton* CmdAdd;
    QPushButton* CmdRemove;
    QGroupBox* FraProjectInfo;
    QListView* List1;
    QGroupBox* FraCurrent;
    QLabel* LblCurrent;
    QGroupBox* FraTemp;
    QLabel* LblTemp;
    QGroupBox* FraPen;
    QLabel* LblPen;
    QPushButton* CmdOK;
    QPushButton* CmdExit;
    QPushButton* CmdSetting;
    QWidget* settingsPanel_;
    QGroupBox* FraPre;
    QLineEdit* TxtPre;
    QGroupBox* FraSuff;
    QLineEdit* TxtSuff;
    QGroupBox* FraTempLocation;
    QLineEdit* TxtTemp;
    QGroupBox* FraPlot;
    QCheckBox* ChkPlot;
    QLineEdit* TxtPlot;
    QGroupBox* FraSettings;
    QPushButton* CmdWizard;
    suite::ReattachTimer* Timer1;
    std::unique_ptr<FrmWizard> wizard_;
};

}  // namespace kandrel
