#pragma once
// Lunvik's window: the precision, unit format and suffix choices, a
// replacement text and a dimension style, and Select, which hides the window
// while the user picks objects in the host and gives every picked object the
// chosen properties. Nothing is chosen at start; only what the user chooses
// changes. The window can be made see-through.

#include "platform/forms/Form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lunvik {

class MdlMain;
struct DimensionChanges;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlMain& module, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void ChkTransparent_Click();
    void CmdSelect_Click();
    void CmdClose_Click();

    // What the choices of the window change.
    DimensionChanges changes() const;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();

    MdlMain& module_;
    QGroupBox* const FrPrecision;
    std::array<QRadioButton*, 9> Opt{};
    QGroupBox* const FrUnit;
    QRadioButton* const OptScientific;
    QRadioButton* const OptDecimal;
    QRadioButton* const OptEngineering;
    QRadioButton* const OptArchitectural;
    QRadioButton* const OptFractional;
    QGroupBox* const FrDia;
    QRadioButton* const OptDiaOn;
    QRadioButton* const OptDiaOff;
    QRadioButton* const OptTyp;
    QRadioButton* const OptTypoff;
    QGroupBox* const FrOverRide;
    QLineEdit* const TxtOverRide;
    QGroupBox* const frStyle;
    QComboBox* const CmbStyle;
    QCheckBox* const ChkTransparent;
    QPushButton* const CmdSelect;
    QPushButton* const CmdClose;
};

}  // namespace lunvik
