#pragma once
// The "Text Alignment" window: the fifteen alignments of single-line text,
// the nine attachment points of paragraph text, and a pair that lines texts
// up: "Pick Text " takes a picked text's insertion point as the reference,
// "Align Text" moves picked texts onto its X or its Y. Each button hides the
// window while the user picks texts in the host.

#include "platform/forms/Form.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace orbessa {

struct Session;

class FrmText : public forms::Form {
public:
    explicit FrmText(Session& session, QWidget* parent = nullptr);

    // The attach: a failure shows the warning and ends the program.
    bool test();

    // Handlers, entered through the dispatcher.
    void Option1_Click(int index);
    void Mtext_Click(int index);
    void OptInsertion_Click(int index);
    void CmdSelect_Click();
    void CmdInsertion1_Click();
    void CmdInsertion_Click();
    void CmdExit_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    void bind();

    Session& session_;
    QGroupBox* const FrmTextFrame;
    std::array<QRadioButton*, 15> Option1{};
    QGroupBox* const FrmMtext;
    std::array<QRadioButton*, 9> Mtext{};
    QGroupBox* const FrmInsertionPoint;
    std::array<QRadioButton*, 2> OptInsertion{};
    QPushButton* const CmdInsertion1;
    QPushButton* const CmdInsertion;
    QPushButton* const CmdSelect;
    QPushButton* const CmdExit;
};

}  // namespace orbessa
