#pragma once
// The run window "Cancel Pollent...": the run log LstLog and one button,
// "Cancel..." while a run works and "Exit" once the finished log is shown.
// The button asks the run to stop at the next drawing and returns the user to
// the main window; closing the window ends the program. It is the sink a run
// writes its log to and carries out the run's window changes; while a run
// works the log moves on a few times a second, and whole when the run stops.
// Once loaded it floats above the host's window and never takes the focus
// when shown.

#include "batch/pollent/RunLog.h"
#include "batch/pollent/RunWindows.h"
#include "platform/forms/Form.h"

#include <QStringList>
#include <limits>

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
    // Ten pictures a second: often enough for a log to be seen moving.
    static constexpr qint64 FrameMs = 100;

    void layOut();
    // The log as it is now shows from the next paint on, scrolled to its end.
    void showWholeLog();

    QListWidget* const LstLog;
    QPushButton* const cmdCancel;
    Session& session_;
    QWidget& mainWindow_;
    int widest_ = 0;  // the widest line of the log, in pixels
    int rowHeight_ = 0;
    int rowMargins_ = 0;  // what a row adds to its text's width
    qint64 lastShown_ = std::numeric_limits<qint64>::min() / 2;
};

}  // namespace pollent
