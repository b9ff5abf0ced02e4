#pragma once
// The calculator's only window: the number to convert, the From and Into unit
// lists, the rounding count, the result and the buttons that calculate and copy
// the result. Its handlers read the controls, ask MdlAddListBox for the lists'
// entries and MdlCalculate for the result, and show what they give back. The
// window keeps no state besides its controls, so it needs the environment
// alone.

#include "platform/forms/Form.h"

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace env { struct Environment; }
namespace runtime { class Error; }

namespace conversion {

class FrmMain : public forms::Form {
public:
    explicit FrmMain(env::Environment& env, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    // Closing the window ends the program.
    void Form_Unload(bool& cancel) override;
    void LstFrom_Click();
    void CmdCalculate_Click();
    void CmdSend_Click();

    // The text of a list box: its selected entry, "" when none is selected.
    static QString listText(const QListWidget* list);
    // Selects the entry with exactly this text; none when there is no such entry.
    static void setListText(QListWidget* list, const QString& text);

protected:
    // Enter presses the default button, Calculate, unless a button has the
    // focus: then that button is pressed, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void layOut();
    void bindEvents();
    // The lists' entries from MdlAddListBox; a failure is reported under the
    // filling routines' location.
    void showFromUnits();
    void showIntoUnits();
    // MdlCalculate on the controls' values, its result into TxtInto.
    void calculate();
    void reportAt(const QString& location, const runtime::Error& error);

    env::Environment& env_;

    QGroupBox* const FrTxtFrom;
    QLineEdit* const TxtFrom;
    QGroupBox* const FrTxtInto;
    QLineEdit* const TxtInto;
    QPushButton* const CmdCalculate;
    QPushButton* const CmdSend;
    QLabel* const Label1;
    QComboBox* const CmbRound;
    QGroupBox* const FrFrom;
    QListWidget* const LstFrom;
    QGroupBox* const FrInto;
    QListWidget* const LstInto;
};

}  // namespace conversion
