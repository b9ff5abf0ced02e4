#pragma once
// The run window "Cancel Pollent...": the run log LstLog and one button,
// "Cancel..." while a run works and "Exit" once the finished log is shown.
// The button asks the run to stop at the next drawing and returns the user to
// the main window; closing the window ends the program. It is the sink a run
// writes its log to and carries out the run's window changes. Once loaded it
// floats above the host's window and never takes the focus when shown.

#include "batch/pollent/RunLog.h"
#include "batch/pollent/RunWindows.h"
#include "platform/forms/Form.h"

#include <QStringList>

class QListWidget;
class QPushButton;

namespace pollent {

class Session;

class FrmCancel : public forms::Form, public RunLog, public RunWindows {
public:
    static const QString CancelCaption;
    static const QString ExitCaption;

    FrmCancel(Session& session, QWidget& mainWindow);

    // The log as it reads now.
    QStringList lines() const;

    void Form_Load() override;
    void cmdCancel_Click();
    void Form_Unload(bool& cancel) override;

    void addLine(const QString& line) override;
    void drawingDone() override;

    void showRunWindow() override;
    void hideRunWindow() override;
    void showMainWindow() override;
    void showFinishedLog() override;

private:
    void layOut();

    QListWidget* const LstLog;
    QPushButton* const cmdCancel;
    Session& session_;
    QWidget& mainWindow_;
};

}  // namespace pollent
