// The attribute settings: the seventeen keys in the settings store, the two
// save buttons, and the form that drops what was not saved.
#include "PollentFixture.h"

#include "platform/settings/Store.h"

#include <QLineEdit>
#include <QPushButton>

namespace pollent::test {
namespace {

class AttributeSettingsTest : public PollentTest {
protected:
    QString stored(const QString& key)
    {
        return t.settings().get(QStringLiteral("Pollent"), QStringLiteral("BatchSettings"), key,
                                QStringLiteral("<missing>"));
    }

    FrmBatchSettings& open()
    {
        menuItem(QStringLiteral("MnuProSettings")).trigger();
        return form->frmBatchSettings();
    }

    AttributeSettings& memory() { return form->session().attributes; }
};

TEST_F(AttributeSettingsTest, FirstStartShowsEmptyBoxes)
{
    load();
    FrmBatchSettings& f = open();
    EXPECT_EQ(f.caption(), QStringLiteral("UpDate Attribute Settings"));
    EXPECT_TRUE(edit(f, "TxtName").text().isEmpty());
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(edit(f, "TxtTag", i).text().isEmpty());
        EXPECT_TRUE(edit(f, "TxtString", i).text().isEmpty());
    }
}

TEST_F(AttributeSettingsTest, EachSaveButtonKeepsItsOwnHalfInMemoryAndInTheStore)
{
    load();
    FrmBatchSettings& f = open();
    edit(f, "TxtName").setText(QStringLiteral("TITLEBLK"));
    edit(f, "TxtTag", 0).setText(QStringLiteral("REV"));
    edit(f, "TxtTag", 7).setText(QStringLiteral("DATE"));
    edit(f, "TxtString", 0).setText(QStringLiteral("B"));
    button(f, "CmdSaveTag").click();
    EXPECT_EQ(stored(QStringLiteral("BlockName")), QStringLiteral("TITLEBLK"));
    EXPECT_EQ(stored(QStringLiteral("AttTag1")), QStringLiteral("REV"));
    EXPECT_EQ(stored(QStringLiteral("AttTag8")), QStringLiteral("DATE"));
    EXPECT_EQ(stored(QStringLiteral("AttTag2")), QString());
    EXPECT_EQ(stored(QStringLiteral("AttString1")), QStringLiteral("<missing>"));
    EXPECT_TRUE(memory().AttString[0].isEmpty());

    // A changed tag saved only with "Save String" stays as it was.
    edit(f, "TxtTag", 0).setText(QStringLiteral("TITLE"));
    button(f, "SaveString").click();
    EXPECT_EQ(memory().AttTag[0], QStringLiteral("REV"));
    EXPECT_EQ(stored(QStringLiteral("AttTag1")), QStringLiteral("REV"));
    EXPECT_EQ(memory().AttString[0], QStringLiteral("B"));
    EXPECT_EQ(stored(QStringLiteral("AttString1")), QStringLiteral("B"));
    EXPECT_EQ(stored(QStringLiteral("AttString8")), QString());

    // "Apply" only closes; the form shows the saved values when it opens again.
    edit(f, "TxtName").setText(QStringLiteral("OTHER"));
    button(f, "CmdApply").click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(memory().BlockName, QStringLiteral("TITLEBLK"));
    FrmBatchSettings& again = open();
    EXPECT_EQ(edit(again, "TxtName").text(), QStringLiteral("TITLEBLK"));
    EXPECT_EQ(edit(again, "TxtTag", 0).text(), QStringLiteral("REV"));
    EXPECT_EQ(edit(again, "TxtString", 0).text(), QStringLiteral("B"));
}

TEST_F(AttributeSettingsTest, TheLoadReadsTheStoreAndAMissingKeyKeepsTheValueInMemory)
{
    t.settings().save(QStringLiteral("POLLENT"), QStringLiteral("batchsettings"), QStringLiteral("blockname"),
                      QStringLiteral("TB"));
    t.settings().save(QStringLiteral("Pollent"), QStringLiteral("BatchSettings"), QStringLiteral("AttString3"),
                      QStringLiteral("three"));
    load();
    EXPECT_EQ(memory().BlockName, QStringLiteral("TB"));
    EXPECT_EQ(memory().AttString[2], QStringLiteral("three"));

    memory().AttTag[4] = QStringLiteral("kept");
    t.settings().remove(QStringLiteral("Pollent"), QStringLiteral("BatchSettings"), QStringLiteral("BlockName"));
    open();
    EXPECT_EQ(memory().AttTag[4], QStringLiteral("kept"));
    EXPECT_EQ(memory().BlockName, QStringLiteral("TB"));
    EXPECT_EQ(edit(form->frmBatchSettings(), "TxtTag", 4).text(), QStringLiteral("kept"));
}

}  // namespace
}  // namespace pollent::test
