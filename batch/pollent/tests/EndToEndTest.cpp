// A user's first batch on the example project, through the windows only: pick
// three drawings, tick the operations, enter the attribute settings, run, read
// the log, and leave.
#include "PollentFixture.h"

#include "platform/forms/FileListBox.h"
#include "platform/testing/Controls.h"
#include "shared/PickFilesForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace pollent::test {
namespace {

class EndToEndTest : public PollentTest {
protected:
    void pick(const QStringList& names)
    {
        menuItem(QStringLiteral("MnuAddDrawing")).trigger();
        suite::PickFilesForm& picker = form->batchForm2();
        testing_env::control<QAction>(picker, "MnuProject").trigger();
        auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
        for (int i = 0; i < files.count(); ++i)
            files.setSelected(i, names.contains(files.item(i)));
        testing_env::control<QPushButton>(picker, "Accept").click();
    }

    void tickOperations()
    {
        menuItem(QStringLiteral("MnuScriptSettings")).trigger();
        BatchForm3& f = form->batchForm3();
        tick(f, {"ChkArchive", "chkBlockAttributes", "ChkBindAll", "chkPurge"});
        button(f, "Apply").click();
    }

    void enterAttributes()
    {
        menuItem(QStringLiteral("MnuProSettings")).trigger();
        FrmBatchSettings& f = form->frmBatchSettings();
        edit(f, "TxtName").setText(QStringLiteral("TITLEBLK"));
        edit(f, "TxtTag", 0).setText(QStringLiteral("REV"));
        edit(f, "TxtString", 0).setText(QStringLiteral("B"));
        edit(f, "TxtTag", 1).setText(QStringLiteral("DATE"));
        edit(f, "TxtString", 1).setText(QStringLiteral("2024-04-15"));
        button(f, "CmdSaveTag").click();
        button(f, "SaveString").click();
        button(f, "CmdApply").click();
    }
};

TEST_F(EndToEndTest, AThreeDrawingBatchWithArchiveAttributesBindAndPurge)
{
    QMap<QString, QByteArray> before;
    for (const QString& file : examples::ExampleProject::sheets())
        before.insert(file, bytes(inProject(file)));

    load();
    pick({QStringLiteral("A101.dwg"), QStringLiteral("A103.dwg"), QStringLiteral("A104.dwg")});
    tickOperations();
    enterAttributes();
    expectDone(msgbox::Yes);
    run();

    const QString issued = QStringLiteral("C:\\Pollent\\Issued\\");
    const QString ok = QStringLiteral("        Successful...");
    EXPECT_EQ(log(), (QStringList{
                         "Opened = C:\\Pollent\\A101.dwg" + ok,
                         "Archived = " + issued + "A101.dwg" + ok,
                         "No Xref To Bind",
                         "Purge All =              Successful...",
                         "Saved Drawing = " + issued + "A101.dwg           Successful...",
                         "",
                         "Opened = C:\\Pollent\\A103.dwg" + ok,
                         "Archived = " + issued + "A103.dwg" + ok,
                         "No Xref To Bind",
                         "Purge All =              Successful...",
                         "Saved Drawing = " + issued + "A103.dwg           Successful...",
                         "",
                         "Opened = C:\\Pollent\\A104.dwg" + ok,
                         "Archived = " + issued + "A104.dwg" + ok,
                         "Bind All Drawings =               Successful...",
                         "Purge All =              Successful...",
                         "Saved Drawing = " + issued + "A104.dwg           Successful...",
                     }));

    // The listed drawings are as they were; the copies carry the changes.
    for (const QString& file : examples::ExampleProject::sheets())
        EXPECT_EQ(bytes(inProject(file)), before.value(file)) << file.toStdString();
    EXPECT_EQ(t.files().listFiles(QStringLiteral("C:\\Pollent\\Issued")),
              (QStringList{"A101.dwg", "A103.dwg", "A104.dwg"}));
    const auto a104 = onDisk(issued + QStringLiteral("A104.dwg"));
    EXPECT_EQ(attributes(*a104, QStringLiteral("TITLEBLK")),
              (QStringList{"TITLE=SITE LAYOUT", "DWGNO=A104", "DATE=2024-04-15", "REV=B"}));
    EXPECT_EQ(blockNames(*a104), (QStringList{"*Model_Space", "*Paper_Space", "SITE", "TITLEBLK"}));
    EXPECT_TRUE(attributes(*onDisk(issued + QStringLiteral("A103.dwg")), QStringLiteral("TITLEBLK"))
                    .contains(QStringLiteral("REV=B")));

    // After the run the host is back in its own mode; the log's "Exit" leads
    // to the main window, and the program's Exit writes the mode as it was.
    EXPECT_EQ(sdi(), 0);
    cancelButton().click();
    EXPECT_TRUE(form->isVisible());
    menuItem(QStringLiteral("MnuExit")).trigger();
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.SetVariable SDI")),
              (QStringList{"Document.SetVariable SDI 1", "Document.SetVariable SDI 0",
                           "Document.SetVariable SDI 0"}));
}

}  // namespace
}  // namespace pollent::test
