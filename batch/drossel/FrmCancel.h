#pragma once
// The small window a batch shows while it runs: one button that asks the
// batch to stop. The drawing being plotted is finished; the batch stops
// before the next one.

#include "platform/forms/Form.h"

class QPushButton;

namespace drossel {

class MuduleAplot;

class FrmCancel : public forms::Form {
public:
    explicit FrmCancel(MuduleAplot& module, QWidget* parent = nullptr);

    // Shows the window; its load makes it float above the others.
    void load();

    // Handlers, entered through the dispatcher.
    void Form_Load();
    void cmdCancel_Click();

    QPushButton* cmdCancel;

private:
    void Form_Unload(bool& cancel);

    MuduleAplot& module_;
};

}  // namespace drossel
