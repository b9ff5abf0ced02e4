#pragma once
// The window changes of a batch run: the main window gives way to the run
// window while the drawings are processed, comes back when the run is
// cancelled or the user does not want the log, and the run window shows the
// finished log with its button turned into "Exit". The run window implements
// it, since it knows the main window it returns to.

namespace pollent {

class RunWindows {
public:
    virtual ~RunWindows() = default;

    // The main window hides and the run window shows (without the focus).
    virtual void showRunWindow() = 0;
    virtual void hideRunWindow() = 0;
    virtual void showMainWindow() = 0;
    // The finished log, with "Exit" on the button.
    virtual void showFinishedLog() = 0;
};

}  // namespace pollent
