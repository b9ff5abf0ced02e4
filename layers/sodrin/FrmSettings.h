#pragma once
// Sodrin's settings form: which layer file is current, either the standard
// file of one of six disciplines beside the programs or a file picked by
// browsing, and "Load All", which creates every layer of the current file. It
// owns Sodrin's "Pick Files" window, whose Accept hands it the picked file.

#include "platform/forms/Form.h"
#include "shared/PickFilesOwner.h"

#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace suite { class PickFilesForm; }

namespace sodrin {

class ModuleLayer;
enum class DisciplineIndex;

class FrmSettings : public forms::Form, public suite::PickFilesOwner {
public:
    explicit FrmSettings(ModuleLayer& module, QWidget* parent = nullptr);
    ~FrmSettings() override;

    // Writes the flags and the current file's path.
    void Saveall();

    // Handlers, entered through the dispatcher.
    void ChkGeneral_Click();
    void ChkProcess_Click();
    void ChkArchitecture_Click();
    void ChkStructural_Click();
    void ChkElectrical_Click();
    void ChkMechanical_Click();
    void CmdLoadAll_Click();
    void CmdBrowse_Click();
    void CmdSave_Click();

    // The picker's side: Accept takes the one picked file; "Current Project"
    // goes to the host's template folder.
    void Batchlist1sub(const QString& fileToAdd) override;
    QString projectFolder() override;
    bool takePickedFile(const QString& folder, const QString& fileName) override;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void layOut();
    // A discipline box clicked by the user.
    void disciplineClicked(DisciplineIndex index);
    void select(DisciplineIndex index);

    ModuleLayer& module_;
    std::array<QCheckBox*, 6> disciplineBoxes_{};
    QCheckBox* const ChkFireProtection;
    QPushButton* const CmdLoadAll;
    QLineEdit* const TxtPath;
    QPushButton* const CmdBrowse;
    QPushButton* const CmdSave;
    std::unique_ptr<suite::PickFilesForm> FrmFile;
};

}  // namespace sodrin
