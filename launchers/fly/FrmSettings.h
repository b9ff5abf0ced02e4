#pragma once
// The palette's settings window, "Options...": one row per button with the
// program's path and a "..." button that picks a program file. Closing the
// window, however it is closed, saves the ten paths and redraws the palette.

#include "launchers/fly/Session.h"
#include "platform/forms/Form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fly {

class FrmFly;

class FrmSettings : public forms::Form {
public:
    FrmSettings(Session& session, FrmFly& owner, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void CmdBrowse_Click(int index);

private:
    void layOut();
    void bindEvents();

    Session& session_;
    FrmFly& owner_;
    // The rows the last load filled: a row it could not fill is saved only
    // when the user typed into it, so a failed load saves no blanks.
    std::array<bool, Session::ButtonCount> loadedRows_{};

    std::array<QLabel*, Session::ButtonCount> LblButton;
    std::array<QLineEdit*, Session::ButtonCount> TxtPath;
    std::array<QPushButton*, Session::ButtonCount> CmdBrowse;
};

}  // namespace fly
