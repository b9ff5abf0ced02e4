#pragma once
// The layer palette: the drawing's layers in a sorted list, momentary boxes
// that freeze, thaw, turn off or on every layer or make current, turn off or
// isolate the listed one, and Select, which moves objects picked on screen to
// the listed layer, filtered by the selection mode of the spin control. The
// window can be made see-through.

#include "platform/forms/Form.h"

#include <functional>

class QCheckBox;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace cad { class Document; }

namespace brindok {

class MdlMain;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlMain& module, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void ChkFreezeOff_Click();
    void ChkFreezeOn_Click();
    void Check1_Click();
    void ChkAll_Click();
    void ChkCurrent_Click();
    void ChkTurn_Click();
    void Chkiso_Click();
    void ChkTransparent_Click();
    void ScrollBar1_Change();
    void CmdSelect_Click();
    void CmdClose_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();
    // A momentary box acts when its click leaves it ticked and is unticked
    // again when the action is done.
    void allLayers(QCheckBox* box, const std::function<void()>& action);
    void listedLayer(QCheckBox* box, void (*action)(cad::Document&, const QString&));
    // The name picked in the list; "" when none is.
    QString listText() const;

    MdlMain& module_;
    QListWidget* const ListBox1;
    QCheckBox* const Chkiso;
    QCheckBox* const ChkTurn;
    QCheckBox* const ChkCurrent;
    QCheckBox* const ChkAll;
    QCheckBox* const Check1;
    QCheckBox* const ChkFreezeOn;
    QCheckBox* const ChkFreezeOff;
    QPushButton* const CmdSelect;
    QScrollBar* const ScrollBar1;
    QCheckBox* const ChkTransparent;
    QPushButton* const CmdClose;
};

}  // namespace brindok
