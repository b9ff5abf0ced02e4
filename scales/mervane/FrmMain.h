#pragma once
// The scale window: the standard scales of the chosen family in a list, and
// the buttons that apply the selected scale to the drawing's active paper-space
// viewport, tell the current viewport's scale and move to the next viewport of
// the layout. It holds the connection to the CAD host and re-attaches every
// second, so it follows the drawing the user switches to.

#include "platform/forms/Form.h"
#include "scales/mervane/ScaleTables.h"
#include "shared/AcadConnection.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace env { struct Environment; }
namespace forms { class Timer; }
namespace runtime { class Error; }

namespace mervane {

class FrmMain : public forms::Form {
public:
    explicit FrmMain(env::Environment& env, QWidget* parent = nullptr);

    const suite::AcadConnection& connection() const { return conn_; }

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Timer1_Timer();
    void Option1_Click(int index);
    void LVscales_Click();
    void CmdOK_Click();
    void CmdExit_Click();
    void CmdGetscale_Click();
    void CmdNext_Click();
    void ChkTransparent_Click();

    // Attaches to the host; on failure the box is shown, the form unloads and
    // the program ends.
    bool AcadProj();

    // Applies the selected row's zoom to the viewport that is active in model
    // space. No selected row applies nothing; a zoom the host refuses is
    // reported. False when it was reported.
    bool scales();

    // Fill the list with one family's rows.
    void Architectural();
    void Machine();
    void Civil();
    void Metric();

    // The family whose option button is set; none before the first is set.
    std::optional<ScaleFamily> family() const;
    // The selected row's 1-based position; 0 when no row is selected.
    int selectedPosition() const;

    // Controls.
    QTreeWidget* LVscales;
    QGroupBox* FrameOptions;
    std::array<QRadioButton*, ScaleTables::FamilyCount> Option1;
    QCheckBox* ChkTransparent;
    QPushButton* CmdOK;
    QPushButton* CmdNext;
    QPushButton* CmdGetscale;
    QPushButton* CmdExit;
    forms::Timer* Timer1;

private:
    void createControls();
    void bindEvents();
    void fill(ScaleFamily family);
    void Form_Unload(bool& cancel) override;
    // Unloads the form and ends the program.
    void unloadAndEnd();
    void reportAppError(const QString& location, const runtime::Error& error);
    // The document of the latest attach; error 91 when there is none.
    cad::Document& document() const;

    env::Environment& env_;
    suite::AcadConnection conn_;
};

}  // namespace mervane
