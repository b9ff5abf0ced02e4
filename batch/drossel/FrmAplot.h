#pragma once
// Drossel's main window: four paper buttons that plot the open drawing (or,
// with "Batch Plot" ticked, every listed drawing) on their own plotter and
// paper, a right click on one sets it up; the list of drawings to plot; and
// the plot options. Its handlers read the controls and hand the values to the
// plot routine and the batch, which do the work in the host.

#include "batch/drossel/BatchPlot.h"
#include "batch/drossel/PlotRoutine.h"
#include "platform/forms/Form.h"
#include "shared/PickFilesOwner.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace suite { class EditableFileList; class PickFilesForm; class ReattachTimer; }

namespace drossel {

class DrosselSettings;
class FrmCancel;
class FrmSetting;
class MuduleAplot;

class FrmAplot : public forms::Form, public suite::PickFilesOwner {
public:
    // Window heights in twips, the window's outer height: only the buttons,
    // or the list and the options too. The user switches between the two.
    static constexpr int CompactHeight = 2370;
    static constexpr int FullHeight = 6435;

    explicit FrmAplot(MuduleAplot& module, QWidget* parent = nullptr);
    ~FrmAplot() override;

    // Shows the window as the program starts; it floats above the others
    // when "OnTop" says so.
    void showAtStart();

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void CmdPrinter_MouseDown(int index, Qt::MouseButton button);
    void CmdMore_Click();
    void cmdPickFiles_Click();
    void ChkPreview_Click();
    void Scaleit_Click();
    void ChkCenter_Click();
    void Timer1_Timer();

    // One plot of the drawing that is open.
    void Plotting();
    // Opens and plots every listed drawing in turn, in single-document mode.
    void BatchPlotting();

    // The hand-over from the picker.
    void Batchlist1sub(const QString& fileToAdd) override;

    // The picker's folders: the active drawing's, and the stored start folder.
    QString projectFolder() override;
    suite::Resume reportProjectError(const runtime::Error& error) override;
    QString startFolder() override;

    int heightTwips() const { return heightTwips_; }
    void setButtonCaption(int index, const QString& caption);

    FrmCancel& cancelWindow() const { return *frmCancel_; }
    FrmSetting& settingsWindow() const { return *frmSetting_; }
    suite::PickFilesForm& pickFilesWindow() const { return *frmBatch_; }

private:
    void createControls();
    void layOut();
    void bindEvents();
    void setHeightTwips(int height);
    void Form_Unload(bool& cancel) override;
    void loadFromHost();
    void showSettings();
    // The options as the controls hold them now.
    PlotChoices plotChoices() const;
    void showOffset(const std::optional<PlotOffset>& offset);
    void reportSkipped(const QStringList& skipped);
    DrosselSettings& settings() const;

    MuduleAplot& module_;
    PlotRoutine plot_;
    BatchPlot batch_;

    std::array<QPushButton*, 4> CmdPrinter{};
    QCheckBox* ChkBatch = nullptr;
    QCheckBox* ChkPreview = nullptr;
    QPushButton* CmdMore = nullptr;
    QPushButton* cmdPickFiles = nullptr;
    suite::EditableFileList* fileList_ = nullptr;
    QComboBox* Scaleit = nullptr;
    QComboBox* PenStyles = nullptr;
    QCheckBox* ChkCenter = nullptr;
    QGroupBox* FrmPlotOffSet = nullptr;
    QLineEdit* TxtX = nullptr;
    QLineEdit* TxtY = nullptr;
    suite::ReattachTimer* Timer1 = nullptr;
    // The list and the options: shown at the full height only.
    QWidget* options_ = nullptr;

    std::unique_ptr<FrmCancel> frmCancel_;
    std::unique_ptr<FrmSetting> frmSetting_;
    std::unique_ptr<suite::PickFilesForm> frmBatch_;
    int heightTwips_ = CompactHeight;
};

}  // namespace drossel
