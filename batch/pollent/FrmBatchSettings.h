#pragma once
// The attribute settings form "UpDate Attribute Settings": the block name and
// eight tag/text pairs. "Save Tag" keeps the block name and the tags, "Save
// String" the texts, each in memory and in the settings store at once; the
// apply button only closes, so edits not saved are dropped.

#include "batch/pollent/AttributeSettings.h"
#include "platform/forms/Form.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace suite { class ReportError; }

namespace pollent {

class Session;

class FrmBatchSettings : public forms::Form {
public:
    FrmBatchSettings(Session& session, suite::ReportError& report);

    // Loads the form (reading the settings afresh) unless it is loaded, then
    // shows it in front.
    void showModeless();

    void Form_Load() override;
    void CmdSaveTag_Click();
    void SaveString_Click();
    void CmdApply_Click();

private:
    void fill();
    void layOut();

    QLineEdit* const TxtName;
    // Control arrays, "TxtTag(0)" to "TxtTag(7)": pair n is index n-1.
    std::array<QLineEdit*, AttributeSettings::PairCount> TxtTag{};
    std::array<QLineEdit*, AttributeSettings::PairCount> TxtString{};
    QPushButton* const CmdSaveTag;
    QPushButton* const SaveString;
    QPushButton* const CmdApply;

    Session& session_;
    suite::ReportError& report_;
};

}  // namespace pollent
