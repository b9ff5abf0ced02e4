#pragma once
// Drossel's main window: four paper buttons that plot the open drawing (or,
// with "Batch Plot" ticked, every listed drawing) on their own plotter and
// paper, a right click on one sets it up; the list of drawings to plot; and
// the plot options. It owns the plot routine that writes Drossel's settings
// into the drawing's layout, plots or previews, and saves the drawing.

#include "platform/forms/Form.h"
#include "shared/PickFilesOwner.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace cad { class Document; }
namespace forms { class Timer; }
namespace suite { class EditableFileList; class PickFilesForm; }

namespace drossel {

class DrosselSettings;
class FrmCancel;
class FrmSetting;
class MuduleAplot;

class FrmAplot : public forms::Form, public suite::PickFilesOwner {
public:
    // Window heights in twips, the window's outer height as the layout gives
    // it: only the buttons, or the list and the options too.
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
    // Writes the plot settings into the active drawing's layout, plots or
    // previews, and saves the drawing. Reports its own failures; false when
    // nothing was plotted.
    bool PlotDrawings();
    // Write the scale choice and the centring choice into the active
    // drawing's layout at once; any failure passes silently.
    void Scales();
    void Centers();

    // The drawing list's enable rules, and the hand-over from the picker.
    void SetListButtons();
    void Batchlist1sub(const QString& fileToAdd) override;

    // The picker's folders: the active drawing's, and the stored start folder.
    QString projectFolder() override;
    suite::Resume reportProjectError(const runtime::Error& error) override;
    QString startFolder() override;

    int heightTwips() const { return heightTwips_; }
    void setButtonCaption(int index, const QString& caption);
    // The drawings listed, in the order shown.
    QStringList drawings() const;

    FrmCancel& cancelWindow() const { return *frmCancel_; }
    FrmSetting& settingsWindow() const { return *frmSetting_; }
    suite::PickFilesForm& pickFilesWindow() const { return *frmBatch_; }
    suite::EditableFileList& fileList() const { return *fileList_; }

    // State read by the plot routine.
    QString ButtonPlotter;
    QString ButtonMedia;
    bool PlotPreview = false;
    // The host's single-document setting to put back.
    int16_t SavedSdi = 0;

    // Controls.
    std::array<QPushButton*, 4> CmdPrinter{};
    QListWidget* LstDwg = nullptr;
    QToolButton* cmdUp = nullptr;
    QToolButton* cmdDown = nullptr;
    QToolButton* cmdDelete = nullptr;
    QMenu* MnuPlotting = nullptr;
    QAction* MnuClear = nullptr;
    QPushButton* cmdPickFiles = nullptr;
    QCheckBox* ChkBatch = nullptr;
    QCheckBox* ChkPreview = nullptr;
    QPushButton* CmdMore = nullptr;
    QLabel* LblScale = nullptr;
    QComboBox* Scaleit = nullptr;
    QLabel* LblPen = nullptr;
    QComboBox* PenStyles = nullptr;
    QCheckBox* ChkCenter = nullptr;
    QGroupBox* FrmPlotOffSet = nullptr;
    QLineEdit* TxtX = nullptr;
    QLineEdit* TxtY = nullptr;
    forms::Timer* Timer1 = nullptr;

private:
    void createControls();
    void bindEvents();
    void setHeightTwips(int height);
    void Form_Unload(bool& cancel) override;
    void loadFromHost(cad::Document& document);
    void showSettings();
    // The plot area: the drawing's extents, or the picked window as the
    // host stores it.
    void writePlotArea(cad::Document& document);
    // The loop of a batch over a copy of the list, with the main window
    // hidden and the cancel window shown; the drawings that could not be
    // opened are added to `skipped`.
    void runBatch(QStringList& skipped);
    bool openForBatch(const QString& path);
    void reportSkipped(const QStringList& skipped);
    void putSdiBack();
    DrosselSettings& settings() const;

    MuduleAplot& module_;
    suite::EditableFileList* fileList_ = nullptr;
    std::unique_ptr<FrmCancel> frmCancel_;
    std::unique_ptr<FrmSetting> frmSetting_;
    std::unique_ptr<suite::PickFilesForm> frmBatch_;
    int heightTwips_ = CompactHeight;
};

}  // namespace drossel
