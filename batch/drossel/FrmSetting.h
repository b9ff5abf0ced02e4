#pragma once
// The settings window of one paper button: its caption, plot device and
// paper, and the plot options every button shares (rotation, copies, the
// picker's start folder, ending after a single plot, staying on top). It
// also picks a plot window in the drawing with two clicks. The paper key it
// sets up is fixed when it loads, so a later press of another paper button
// cannot make it save under that button's keys.

#include "platform/cad/Point.h"
#include "platform/forms/Form.h"

#include <QString>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace drossel {

class DrosselSettings;
class FrmAplot;
class MuduleAplot;

class FrmSetting : public forms::Form {
public:
    // How often a point prompt the host fails, other than by the user's Esc,
    // is asked again before the pick gives up.
    static constexpr int PickRetries = 3;

    FrmSetting(MuduleAplot& module, FrmAplot& main, QWidget* parent = nullptr);

    // Shows the window for the paper key: loaded afresh, unless it is open
    // for that key already (then it only comes to the front).
    void showFor(const QString& paperKey);

    // The paper key the window was loaded for.
    const QString& paperKey() const { return paperKey_; }
    // False when the last load failed; the window then cannot save.
    bool loadSucceeded() const { return loadSucceeded_; }

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void PloterName_Click();
    void OptExtents_Click();
    void OptWindow_Click();
    void CmdWindow_Click();
    void CmdSaveSettings_Click();

private:
    void createControls();
    void layOut();
    void bindEvents();
    // The controls as a new window has them, before the load fills them.
    void resetControls();
    void fillPaperLists();
    // Asks the host's user for a point, asking again when the host fails
    // the prompt, at most PickRetries times. Empty when the user gave up:
    // Enter, a keyword, or Esc.
    std::optional<cad::Point> pickPoint(const std::optional<cad::Point>& base, const QString& prompt);
    // Hides both windows, asks for the two corners and has the host store
    // them. False when the user gave up.
    bool pickWindow();
    // Copies as a whole number of at least 1; a bad text is named in a box.
    bool copiesValid();
    // The canonical name of the paper the paper box shows. Empty, after a box
    // naming the text, when the plotter has no such paper.
    std::optional<QString> chosenMedia();
    void saveSettings(const QString& media);
    // Shows the stored paper after the lists are filled.
    void showStoredPaper(const QString& media);
    void selectPlotArea();
    DrosselSettings& settings() const;

    QGroupBox* FrPrinter = nullptr;
    QLabel* LblName = nullptr;
    QLineEdit* TxtName = nullptr;
    QComboBox* PloterName = nullptr;
    QComboBox* PaperSize1 = nullptr;
    QComboBox* PaperSize2 = nullptr;
    QGroupBox* FrRotations = nullptr;
    QComboBox* CmbRotation = nullptr;
    QGroupBox* FrPlotArea = nullptr;
    QRadioButton* OptWindow = nullptr;
    QRadioButton* OptExtents = nullptr;
    QPushButton* CmdWindow = nullptr;
    QGroupBox* FrCopy = nullptr;
    QLineEdit* TxtCopy = nullptr;
    QGroupBox* FrBrowse = nullptr;
    QLineEdit* TxtStartup = nullptr;
    QGroupBox* FrOther = nullptr;
    QCheckBox* ChkTop = nullptr;
    QCheckBox* ChkClose = nullptr;
    QPushButton* CmdSaveSettings = nullptr;

    MuduleAplot& module_;
    FrmAplot& main_;
    QString paperKey_;
    bool loadSucceeded_ = false;
    // The stored paper, and the text the paper box showed for it at the load
    // (none once another device is picked).
    QString storedMedia_;
    std::optional<QString> loadedPaper_;
};

}  // namespace drossel
