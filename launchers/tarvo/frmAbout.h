#pragma once
// The launcher's "About..." window: its icon, name, maker and version, and an
// OK button that closes it. A small tool window in the middle of the screen.

#include "platform/forms/Form.h"

class QLabel;
class QPushButton;

namespace tarvo {

struct Session;

class frmAbout : public forms::Form {
public:
    explicit frmAbout(Session& session, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void cmdOK_Click();

private:
    void layOut();

    Session& session_;
    QLabel* const picIcon;
    QLabel* const lblTitle;
    QLabel* const lblDescription;
    QLabel* const lblCompany;
    QLabel* const lblVersion;
    QPushButton* const cmdOK;
};

}  // namespace tarvo
