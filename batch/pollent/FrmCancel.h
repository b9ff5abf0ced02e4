#pragma once
// The run window: the run log LstLog and one button, "Cancel..." while a run
// works and "Exit" once the finished log is shown. The button asks the run to
// stop at the next drawing and returns the user to the main window; closing
// the window puts the host's single-document setting back and ends the program.
// It is shown with show(); once loaded it never takes the focus when shown.

#include "platform/forms/Form.h"

class QListWidget;
class QPushButton;

namespace env { struct Environment; }

namespace pollent {

struct Session;

class FrmCancel : public forms::Form {
public:
    static const QString CancelCaption;
    static const QString ExitCaption;

    FrmCancel(Session& session, QWidget& mainWindow);

    QListWidget* const LstLog;
    QPushButton* const cmdCancel;

    // A line at the end of the log.
    void addLine(const QString& line);
    QStringList lines() const;

    void Form_Load() override;
    void cmdCancel_Click();
    void Form_Unload(bool& cancel) override;

private:
    void layOut();

    Session& session_;
    QWidget& mainWindow_;
};

}  // namespace pollent
