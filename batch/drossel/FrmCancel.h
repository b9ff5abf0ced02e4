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

    // Handlers, entered through the dispatcher. The load makes the window
    // float above the others, shown without taking the focus.
    void Form_Load() override;
    void cmdCancel_Click();

private:
    void Form_Unload(bool& cancel) override;

    MuduleAplot& module_;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace drossel
