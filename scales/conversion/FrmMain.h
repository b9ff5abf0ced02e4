#pragma once
// The calculator's only window: the number to convert, the From and Into unit
// lists, the rounding count, the result and the buttons that calculate and copy
// the result. The lists are filled by MdlAddListBox and the conversion is done
// by MdlCalculate; this form owns the controls and routes their events.

#include "platform/forms/Form.h"

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace env { struct Environment; }

namespace conversion {

class FrmMain : public forms::Form {
public:
    explicit FrmMain(env::Environment& env, QWidget* parent = nullptr);

    env::Environment& env() const { return env_; }

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

    // Controls, reached by the modules as they were through the form.
    QGroupBox* FrTxtFrom;
    QLineEdit* TxtFrom;
    QGroupBox* FrTxtInto;
    QLineEdit* TxtInto;
    QPushButton* CmdCalculate;
    QPushButton* CmdSend;
    QLabel* Label1;
    QComboBox* CmbRound;
    QGroupBox* FrFrom;
    QListWidget* LstFrom;
    QGroupBox* FrInto;
    QListWidget* LstInto;

protected:
    // Enter presses the default button, Calculate, unless a button has the
    // focus: then that button is pressed, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void bindEvents();

    env::Environment& env_;
};

}  // namespace conversion
