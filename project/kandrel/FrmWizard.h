#pragma once
// The two-step set-up wizard: first the folder the company's projects live
// in (the projects root, saved at once and handed to the project window),
// then a first project number, which joins the project list. Closing it shows
// the project window again.

#include "platform/forms/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kandrel {

class Session;
class WizardOwner;

class FrmWizard : public forms::Form {
public:
    FrmWizard(Session& session, WizardOwner& owner);

    // 0 while the root is asked for, 1 while the project number is.
    int step() const { return step_; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void CmdProject_Click();
    void CmdNext_Click();
    void CmdExit_Click();

    // The root as it is kept: the chosen folder with one closing "\" (a drive
    // root or a network folder as the browser gave it), in upper case.
    static QString prefixOf(const QString& folder);

private:
    void createControls();
    void bindEvents();

    Session& session_;
    WizardOwner& owner_;
    int step_ = 0;

    QGroupBox* Frame1;
    QLineEdit* TxtProject;
    QPushButton* CmdProject;
    QLabel* LblDescription;
    QPushButton* CmdNext;
    QPushButton* CmdExit;
};

}  // namespace kandrel
