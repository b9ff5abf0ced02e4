#pragma once
// The "Text Height" window: a height and an optional text style, given to
// texts the user picks in the host (Select Text, which hides the window while
// the user picks) or to every text of model space or of paper space (All
// Text). Its timer attaches to the host every second, so the window follows
// the drawing the user switches to.

#include "platform/forms/Form.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace runtime { class Error; }
namespace suite { class ReattachTimer; }

namespace pemmit {

struct Session;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(Session& session, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void CmdSelect_Click();
    void CmdAllText_Click();
    void CmdExit_Click();
    void Timer1_Timer();

    // Attaches to the host; on failure the box is shown, the window unloads
    // and the program ends.
    bool AcadProj();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();
    // The height box's number, or nothing after a message saying what is
    // wrong with it.
    std::optional<double> height();
    void unloadAndEnd();

    Session& session_;
    QLabel* const LblPemmit;
    QComboBox* const Cmbheight;
    QLabel* const LblTextStyle;
    QComboBox* const CmbFont;
    QGroupBox* const FraOptions;
    QRadioButton* const OptModel;
    QRadioButton* const OptPaper;
    QPushButton* const CmdSelect;
    QPushButton* const CmdAllText;
    QPushButton* const CmdExit;
    suite::ReattachTimer* const Timer1;
};

}  // namespace pemmit
