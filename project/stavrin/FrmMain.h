#pragma once
// Stavrin's window "Drawing Templates (.dwt)": the templates of the template
// folder in a list; Ok (or a double click) starts a new drawing in the host
// from the selected one and ends the program; "&Setup" picks another template
// folder.

#include "platform/forms/Form.h"

#include <QStringList>

class QListWidget;
class QPushButton;

namespace stavrin {

class MdlMain;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(MdlMain& main);

    // The template names listed, in list order.
    const QStringList& templates() const { return templates_; }
    const QString& folder() const { return folder_; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void CmdOK_Click();
    void LstTemp_DblClick();
    void CmdSettings_Click();
    void CmdExit_Click();

    // Adds the template folder's templates to the list (it does not clear it).
    void GetDirectory();
    // A new drawing from the selected template, then the end of the program.
    void NewDrawing();

private:
    void createControls();
    void bindEvents();
    void clearList();

    MdlMain& main_;
    // What the list shows, and the folder its names are in.
    QStringList templates_;
    QString folder_;

    QListWidget* LstTemp;
    QPushButton* CmdOK;
    QPushButton* CmdSettings;
    QPushButton* CmdExit;
};

}  // namespace stavrin
