// The window as it opens and as it closes.
#include "UnbaloFixture.h"

#include "platform/testing/LayoutCheck.h"
#include "shared/PickFilesForm.h"

#include <QGroupBox>

using namespace unbalo;
using namespace unbalo::test;

class FrmUnbaloTest : public UnbaloTest {};

TEST_F(FrmUnbaloTest, OpensWithItsOptionsTickedTheDefaultDirectoryAndTheListOutOfView)
{
    form.show();
    EXPECT_EQ(form.caption(), "Install...");
    for (const char* name : {"ChkReadme", "ChkDesktop", "ChkRun"})
        EXPECT_TRUE(control<QCheckBox>(name).isChecked()) << name;
    EXPECT_EQ(control<QCheckBox>("ChkReadme").text(), "Open Help");
    EXPECT_EQ(control<QCheckBox>("ChkDesktop").text(), "Desktop Icon");
    EXPECT_EQ(control<QCheckBox>("ChkRun").text(), "Run Program");
    EXPECT_EQ(control<QGroupBox>("Frame2").title(), "Optional:");
    EXPECT_EQ(control<QGroupBox>("Frame1").title(), "Install Directory:");
    EXPECT_EQ(control<QLineEdit>("TxtDirectory").text(), "c:\\Tarvo\\");
    EXPECT_EQ(control<QLineEdit>("TxtDirectory").toolTip(), "Installation Directory");
    EXPECT_EQ(control<QPushButton>("cmdGo").text(), "&Install");
    EXPECT_EQ(control<QPushButton>("cmdGo").toolTip(), "Install");
    EXPECT_EQ(control<QPushButton>("cmdExit").text(), "&Exit");
    EXPECT_EQ(form.focusWidget(), &control<QPushButton>("cmdGo"));
    EXPECT_FALSE(control<QGroupBox>("frameModuleOptions").isVisible());
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());
    EXPECT_TRUE(form.grab().save(QStringLiteral("/tmp/unbalo-frmUnbalo.png")));

    t.ui().expectInputBox("quib");
    emit control<QCheckBox>("ChkReadme").customContextMenuRequested({});
    EXPECT_EQ(control<QGroupBox>("frameModuleOptions").title(), "File Options:");
    EXPECT_EQ(control<QPushButton>("CmdPick").text(), "Pick Files");
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());
    EXPECT_TRUE(form.grab().save(QStringLiteral("/tmp/unbalo-frmUnbalo-packer.png")));
    click("CmdPick");
    EXPECT_EQ(testing_env::layoutFaults(form.pickFilesWindow()), QStringList());
    EXPECT_TRUE(form.pickFilesWindow().grab().save(QStringLiteral("/tmp/unbalo-FrmBatch.png")));
}

TEST_F(FrmUnbaloTest, ExitEndsTheProgramEvenWithThePickerOpen)
{
    t.ui().expectInputBox("quib");
    emit control<QCheckBox>("ChkReadme").customContextMenuRequested({});
    click("CmdPick");
    click("cmdExit");
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_TRUE(t.ui().records().size() == 1);
}

// In installer mode the list plays no part beyond its count.
TEST_F(FrmUnbaloTest, AnInstallerIgnoresTheItemList)
{
    carry({{"Tarvo.exe", program("tarvo")}});
    module.items.append(R"(C:\Nowhere\gone.txt)");
    t.ui().expectMsgBox(forms::msgbox::Ok, "The file has been extracted successfully...");
    EXPECT_TRUE(install());
    EXPECT_EQ(entries(R"(C:\Tarvo)"), QStringList{"tarvo.exe"});
}

// A program in a drive's root finds its own file all the same.
TEST_F(FrmUnbaloTest, AnInstallerInADriveRootFindsItsOwnFile)
{
    t.program().path = QStringLiteral("C:\\");
    carry({{"Tarvo.exe", program("tarvo")}});
    ASSERT_TRUE(exists(R"(C:\unbalo)"));
    t.ui().expectMsgBox(forms::msgbox::Ok, "The file has been extracted successfully...");
    EXPECT_TRUE(install());
    EXPECT_EQ(bytesOf(R"(C:\Tarvo\tarvo.exe)"), program("tarvo"));
}
