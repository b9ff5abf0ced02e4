#pragma once
// Ploven's folder picker: a drive list and a folder list. Apply hands the
// folder to the settings form with a closing backslash and every backslash
// doubled, the spelling AutoLISP reads back as the folder; nothing is stored
// until the settings form applies it.

#include "platform/forms/Form.h"

class QPushButton;

namespace forms { class DirListBox; class DriveListBox; }

namespace ploven {

class ModuleAlisp;
class Qel_Ploven_Settings;

class Browse : public forms::Form {
public:
    Browse(ModuleAlisp& module, Qel_Ploven_Settings& owner, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();

    // The folder in the picker's spelling: "\" closing it, every "\" doubled.
    static QString pickerSpelling(const QString& folder);

private:
    void layOut();

    ModuleAlisp& module_;
    Qel_Ploven_Settings& owner_;
    forms::DriveListBox* const Drive1;
    forms::DirListBox* const Dir1;
    QPushButton* const Command1;
    QPushButton* const Command2;
};

}  // namespace ploven
