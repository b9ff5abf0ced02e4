// The set-up wizard: the projects root from the folder browser, and the first
// project number joining the company's list.
#include "KandrelFixture.h"

#include "platform/testing/LayoutCheck.h"

#include <QGroupBox>

using namespace kandrel;
using namespace kandrel::test;

namespace {

class WizardTest : public KandrelTest {
protected:
    WizardTest()
    {
        writeList("1234\r\n5678\r\n");
        start();
        click("CmdWizard");
    }

    FrmWizard& wizard() { return form->wizard(); }
    template <typename T>
    T& w(const char* name) { return control<T>(wizard(), QLatin1String(name)); }
    void press(const char* name) { t.dispatcher().run([&] { w<QPushButton>(name).click(); }); }

    // Chooses a folder in the browser.
    void chooseFolder(const QString& folder)
    {
        t.ui().expectFolder(folder);
        press("CmdProject");
    }
};

TEST_F(WizardTest, OpensInPlaceOfTheWindowAtItsFirstStep)
{
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_EQ(wizard().caption(), QStringLiteral("Welcome To Kandrel Setup Wizard"));
    EXPECT_FALSE(w<QPushButton>("CmdNext").isEnabled());
    EXPECT_EQ(w<QPushButton>("CmdExit").text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(w<QLabel>("LblDescription").text().startsWith(
        QStringLiteral("Description:  Please select Directory of Company's Projects\nDo not include")));
}

TEST_F(WizardTest, BothStepsShowEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(wizard(), QStringLiteral("kandrel-wizard-1")), QStringList());
    chooseFolder(QStringLiteral("P:\\Projects"));
    press("CmdNext");
    EXPECT_EQ(wizard().step(), 1);
    EXPECT_EQ(testing_env::layoutFaults(wizard(), QStringLiteral("kandrel-wizard-2")), QStringList());
}

TEST_F(WizardTest, AChosenFolderBecomesTheRootWithOneClosingSeparatorInUpperCase)
{
    chooseFolder(QStringLiteral("p:\\jobs"));
    EXPECT_EQ(t.ui().last().title, QStringLiteral("C:\\"));
    EXPECT_EQ(w<QLineEdit>("TxtProject").text(), QStringLiteral("P:\\JOBS\\"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("P:\\JOBS\\"));
    EXPECT_EQ(c<QLineEdit>("TxtPre").text(), QStringLiteral("P:\\JOBS\\"));
    EXPECT_TRUE(w<QPushButton>("CmdNext").isEnabled());

    chooseFolder(QStringLiteral("P:\\"));
    EXPECT_EQ(w<QLineEdit>("TxtProject").text(), QStringLiteral("P:\\"));
    // A network folder keeps its leading "\\".
    chooseFolder(QStringLiteral("\\\\server\\projects"));
    EXPECT_EQ(w<QLineEdit>("TxtProject").text(), QStringLiteral("\\\\SERVER\\PROJECTS\\"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("\\\\SERVER\\PROJECTS\\"));
}

TEST_F(WizardTest, ACancelledBrowserSaysSoAndChangesNothing)
{
    saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("Q:\\"));
    t.ui().expectFolder(QString());
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Canceled..."));
    press("CmdProject");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("Q:\\"));
    EXPECT_FALSE(w<QPushButton>("CmdNext").isEnabled());
}

TEST_F(WizardTest, TheNumberJoinsTheCompanysListInsteadOfReplacingIt)
{
    chooseFolder(QStringLiteral("P:\\Projects"));
    press("CmdNext");
    EXPECT_EQ(wizard().step(), 1);
    EXPECT_FALSE(w<QPushButton>("CmdProject").isVisible());
    EXPECT_EQ(w<QLineEdit>("TxtProject").text(), QStringLiteral("<<Type Project Number>>"));
    EXPECT_EQ(w<QGroupBox>("Frame1").title(), QStringLiteral("Project Number"));

    w<QLineEdit>("TxtProject").setText(QStringLiteral("3000"));
    press("CmdNext");
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n3000\r\n5678\r\n"));
    EXPECT_EQ(w<QPushButton>("CmdExit").text(), QStringLiteral("Finished"));
    EXPECT_FALSE(w<QPushButton>("CmdNext").isEnabled());

    // The window shows the list as it now is, and a later Add keeps the number.
    press("CmdExit");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shownList(), (QStringList{QStringLiteral("1234"), QStringLiteral("3000"), QStringLiteral("5678")}));
    c<QLineEdit>("TxtProjectNum").setText(QStringLiteral("9000"));
    click("CmdAdd");
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n3000\r\n5678\r\n9000\r\n"));
}

TEST_F(WizardTest, AnEmptyNumberIsSaidAndTheListIsNotTouched)
{
    chooseFolder(QStringLiteral("P:\\Projects"));
    press("CmdNext");
    w<QLineEdit>("TxtProject").clear();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Project To Add From Project Number Text Box"));
    press("CmdNext");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(w<QPushButton>("CmdExit").text(), QStringLiteral("Finished"));
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n5678\r\n"));
}

TEST_F(WizardTest, ARefusedNumberCanBePutRight)
{
    chooseFolder(QStringLiteral("P:\\Projects"));
    press("CmdNext");
    w<QLineEdit>("TxtProject").setText(QStringLiteral("30;00"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! A Project Number Cannot Hold"));
    press("CmdNext");
    EXPECT_TRUE(w<QPushButton>("CmdNext").isEnabled());
    EXPECT_EQ(w<QPushButton>("CmdExit").text(), QStringLiteral("Cancel"));
    w<QLineEdit>("TxtProject").setText(QStringLiteral("3000"));
    press("CmdNext");
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n3000\r\n5678\r\n"));
}

TEST_F(WizardTest, ClosingItShowsTheWindowAgainAndTheNextOpeningStartsOver)
{
    chooseFolder(QStringLiteral("P:\\Projects"));
    press("CmdNext");
    wizard().close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(t.dispatcher().ended());
    click("CmdWizard");
    EXPECT_EQ(wizard().step(), 0);
    EXPECT_TRUE(w<QPushButton>("CmdProject").isVisible());
    EXPECT_FALSE(w<QPushButton>("CmdNext").isEnabled());
}

}  // namespace
