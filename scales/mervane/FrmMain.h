#pragma once
// The scale window: the standard scales of the chosen family in a list, and
// the buttons that apply the selected scale to the drawing's active paper-space
// viewport, tell the current viewport's scale and move to the next viewport of
// the layout. Its handlers read the controls and hand the session's drawing to
// ViewportScale; its timer re-attaches every second, so the window follows the
// drawing the user switches to.

#include "platform/forms/Form.h"
#include "scales/mervane/ScaleTables.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace runtime { class Error; }
namespace suite { class ReattachTimer; }

namespace mervane {

struct Session;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(Session& session, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    // Closing the window ends the program.
    void Form_Unload(bool& cancel) override;
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

private:
    void createControls();
    void layOut();
    void bindEvents();
    // Every column as wide as its title and its widest cell of any family,
    // and the list as wide as its columns and as high as the longest family.
    void fitList();
    void fill(ScaleFamily family);
    // Unloads the form and ends the program.
    void unloadAndEnd();
    void reportAppError(const QString& location, const runtime::Error& error);

    Session& session_;

    QTreeWidget* const LVscales;
    QGroupBox* const FrameOptions;
    const std::array<QRadioButton*, ScaleTables::FamilyCount> Option1;
    QCheckBox* const ChkTransparent;
    QPushButton* const CmdOK;
    QPushButton* const CmdNext;
    QPushButton* const CmdGetscale;
    QPushButton* const CmdExit;
    suite::ReattachTimer* const Timer1;
};

}  // namespace mervane
