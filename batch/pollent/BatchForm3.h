#pragma once
// The options form "Pollent Processor Settings": shows the option set as it is
// when it loads, keeps the exclusive pairs of boxes apart while the user ticks
// them, and on Apply checks the insert boxes (when an insert is ticked), takes
// everything into the option set, rebuilds the operation list and closes.
// Closing it by its close box drops every edit.

#include "batch/pollent/OptionSet.h"
#include "platform/forms/Form.h"

#include <QList>
#include <QPair>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace suite { class ReportError; }

namespace pollent {

class Session;

class BatchForm3 : public forms::Form {
public:
    struct Owner {
        std::function<void()> batchlist;             // rebuild the operation list
        std::function<void()> showAttributeSettings;  // FrmBatchSettings, modeless
    };

    BatchForm3(Session& session, suite::ReportError& report, Owner owner);

    // Loads the form from the option set unless it is loaded, then shows it
    // in front.
    void showModeless();

    void Form_Load() override;
    void Apply_Click();
    // Sets every flag from its box.
    void checked();
    void CmdBrowse_Click();
    void CmdSettings_Click();
    void ChkInsertBlock_Click();
    void ChkInsertXref_Click();
    void ChkModel_Click();
    void ChkPaper_Click();
    void ChkDelete_Click();
    void ChkDeleteB_Click();

private:
    // Each flag with its box, in the order the form is filled.
    QList<QPair<bool OptionSet::*, QCheckBox*>> flagBoxes() const;
    void fill();
    // The first numeric box whose text will not convert, after naming it to
    // the user; null when all convert.
    QLineEdit* firstBadNumber();
    void take();
    void layOut();
    void bind();

    QCheckBox* const ChkBindAll;
    QCheckBox* const chkPurge;
    QCheckBox* const ChkArchive;
    QCheckBox* const chkBlockAttributes;
    QCheckBox* const ChkInsertBlock;
    QCheckBox* const ChkInsertXref;
    QCheckBox* const ChkDelete;
    QCheckBox* const ChkDeleteB;
    QCheckBox* const ChkModel;
    QCheckBox* const ChkPaper;

    QLineEdit* const FolderLocation;
    QLineEdit* const FolderName;
    QLineEdit* const TxtScale;
    QLineEdit* const TxtX;
    QLineEdit* const TxtY;
    QLineEdit* const TxtZ;
    QLineEdit* const TxtBlockPath;
    QLineEdit* const TxtDeleteName;

    QPushButton* const CmdBrowse;
    QPushButton* const CmdSettings;
    QPushButton* const Apply;

    Session& session_;
    suite::ReportError& report_;
    Owner owner_;
};

}  // namespace pollent
