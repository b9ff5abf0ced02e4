#pragma once
// Ploven's main window: the AutoLISP files of the configured folder, and the
// buttons that load the selected one into the host's command line, open the
// settings and close. A double click loads a file and ends the program; a
// right click on the list offers the settings.

#include "platform/forms/Form.h"

#include <QStringList>
#include <optional>

class QListWidget;
class QMenu;
class QAction;
class QPushButton;

namespace ploven {

class ModuleAlisp;
class Qel_Ploven_Settings;

class Qel_Ploven : public forms::Form {
public:
    explicit Qel_Ploven(ModuleAlisp& module, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void CmdLoad_Click();
    void ListAlisp_DblClick();
    // Button numbers as the list reports them: 1 left, 2 right, 4 middle.
    void ListAlisp_MouseDown(int button);
    void CmdSettings_Click();
    void MnuSetting_Click();
    void CmdExit_Click();

    // Refills the list from the folder; says so when the folder is missing
    // or holds no file at all.
    void FillLispList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void bindEvents();
    // The selected file's name; none when nothing is selected.
    std::optional<QString> selectedFile() const;
    // Sends the load expression of the selected file; false when nothing
    // was sent.
    bool sendLoad();
    void showSettings();

    ModuleAlisp& module_;
    // The names the list shows, row by row.
    QStringList files_;

    QListWidget* const ListAlisp;
    QPushButton* const CmdLoad;
    QPushButton* const CmdExit;
    QPushButton* const CmdSettings;
    QMenu* const MnuSettings;
    QAction* const MnuSetting;
    Qel_Ploven_Settings* const settings_;
};

}  // namespace ploven
