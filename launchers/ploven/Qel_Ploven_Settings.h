#pragma once
// Ploven's settings form: the folder whose AutoLISP files are listed, typed
// or picked with the folder picker, applied to the list and stored.

#include "platform/forms/Form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ploven {

class Browse;
class ModuleAlisp;
class Qel_Ploven;

class Qel_Ploven_Settings : public forms::Form {
public:
    Qel_Ploven_Settings(ModuleAlisp& module, Qel_Ploven& owner, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    // The folder picker's answer, in the spelling it writes.
    void takeFolder(const QString& folder);

private:
    void layOut();

    ModuleAlisp& module_;
    Qel_Ploven& owner_;
    QGroupBox* const Frame1;
    QLineEdit* const Text1;
    QPushButton* const Command1;
    QPushButton* const Command2;
    Browse* const browse_;
};

}  // namespace ploven
