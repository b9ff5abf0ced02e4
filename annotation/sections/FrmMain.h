#pragma once
// The "Standard Sections" window: the marker's sizes and label text, an
// optional layer with its colour and linetype, Create, which hides the window
// while the user picks the marker in the host, and Exit, which keeps the
// entries for the next start. Its timer attaches to the host every 300 ms, so
// the marker goes into the drawing the user works in.

#include "platform/forms/Form.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace runtime { class Error; }
namespace suite { class ReattachTimer; }

namespace sections {

class MdlMain;
class SectionMarker;
struct MarkerSizes;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlMain& module, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void CmdCreate_Click();
    void CmdExit_Click();
    void Timer1_Timer();

    // The two labels of the marker.
    void AddText(SectionMarker& marker);
    // Makes the marker's layer when the window names one; answers the layer
    // the marker goes onto, empty for the current one.
    QString LayerSetup();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();
    // The boxes' sizes, or nothing after a message naming the box that is
    // not a number above 0.
    std::optional<MarkerSizes> sizes();
    void report(const QString& location, const runtime::Error& error);

    MdlMain& module_;
    QGroupBox* const FrGeneral;
    QLabel* const LblArrow;
    QLineEdit* const TxtArrow;
    QLabel* const LblTextSize;
    QLineEdit* const TxtSize;
    QLabel* const LblText;
    QLineEdit* const TxtText;
    QGroupBox* const FrSettings;
    QLabel* const LblLayerName;
    QLineEdit* const TxtLayerName;
    QLabel* const LblColor;
    QComboBox* const TxtColor;
    QLabel* const LblLineType;
    QComboBox* const TxtLineType;
    QPushButton* const CmdCreate;
    QPushButton* const CmdExit;
    suite::ReattachTimer* const Timer1;
};

}  // namespace sections
