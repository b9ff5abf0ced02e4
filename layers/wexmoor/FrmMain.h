#pragma once
// Wexmoor's window: a layer for each of twelve command categories, chosen in
// combo boxes that also take a typed name. Minimised, the window becomes an
// icon in the notification area whose right-click menu switches the draw
// mode (on a desktop without one it stays a minimised window). While the program runs, each command the host starts makes its
// category's layer current; the window re-attaches every 100 ms so the layer
// goes to the drawing the user works in.

#include "platform/forms/Form.h"

#include <QIcon>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace forms { class TrayIcon; }
namespace suite { class ReattachTimer; }

namespace wexmoor {

class EventClassModule;
class MdlMain;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlMain& module, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Binds the host's command-start event once, to the application of the
    // attached drawing.
    void InitializeEvents();

    // Handlers, entered through the dispatcher.
    void Timer1_Timer();
    // A notification of the tray icon, as its mouse message.
    void Form_MouseMove(int message);
    void MnudSolid_Click();
    void MnuDSolid2_Click();
    void MnudSolid3_Click();
    void MnuDCenter_Click();
    void MnuPhantom_Click();
    void MnuDDash_Click();
    void MnuOther_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();
    // Ticks the item of the draw mode and sets the mode.
    void chooseDrawMode(int item);
    void saveChoices();
    // However the program ends once the choices are shown: they are saved and
    // the icon removed, unless the unload did it already.
    void atEnd();

    MdlMain& module_;
    std::array<QComboBox*, 12> CmbLayer{};
    std::array<QLabel*, 12> LblText{};
    QMenu* const MnuMenu;
    std::array<QAction*, 7> drawModeItems_{};
    forms::TrayIcon* const icon_;
    suite::ReattachTimer* const Timer1;
    std::unique_ptr<EventClassModule> events_;
    QIcon formIcon_;
    bool choicesShown_ = false;
    bool choicesSaved_ = false;
};

}  // namespace wexmoor
