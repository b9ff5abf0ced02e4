#include "TarvoFixture.h"

#include "launchers/tarvo/ImgList.h"
#include "launchers/tarvo/ToolTable.h"

#include "platform/shell/CommandLine.h"
#include "platform/shell/RecordingShell.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace tarvo::test {

namespace {

// The launcher menu from top to bottom: given name and caption.
const QList<QPair<QString, QString>> MenuItems = {
    {"MnuExit", "Exit... (Version 1.0)"},
    {"Mnuspace17", ""},
    {"MnuHelp", "Help..."},
    {"MnuAbout", "About..."},
    {"MnuSpace22", ""},
    {"MnuPreferences", "User Settings..."},
    {"MnuSpace7", ""},
    {"MnuExplorerDwG", "Explore Drawing Path..."},
    {"Mnuexplore", "Explore Favorites..."},
    {"MnuSpace2", ""},
    {"MnuBindAll", "Bind All Xrefs..."},
    {"MnuPurge", "Purge All..."},
    {"MnuSpace5", ""},
    {"MnuPollent", "Pollent Processor..."},
    {"MnuLoadLisp", "Load Lisp..."},
    {"MnuConversionCalculator", "Conversion Calculator..."},
    {"MnuWexmoor", "Wexmoor..."},
    {"MnuBrindok", "Brindok..."},
    {"MnuLunvik", "Lunvik Edit..."},
    {"MnuBrindokEdit", "Brindok Edit..."},
    {"MnuScales", "Standard Scales..."},
    {"MnuSections", "Standard Sections..."},
    {"MnuSodrin", "Orbessa..."},
    {"MnuPemmit", "Pemmit..."},
    {"MnuStavrins", "Drawing Template..."},
    {"MnuSpace6", ""},
    {"MnuKandrel", "Kandrel..."},
    {"MnuFentrow", "Fentrowal..."},
    {"MnuSpace3", ""},
    {"MnuDrossel", "Drossel..."},
};

// Each tool item and the program file it starts, pinned as tabled: the
// captions that name another program are deliberate.
const QList<QPair<QString, QString>> ToolStarts = {
    {"Pollent Processor...", "Pollent.exe"},   {"Load Lisp...", "Ploven.exe"},
    {"Conversion Calculator...", "Conversion.exe"}, {"Wexmoor...", "Wexmoor.exe"},
    {"Brindok...", "Sodrin.exe"},              {"Lunvik Edit...", "Lunvik.exe"},
    {"Brindok Edit...", "Brindok.exe"},        {"Standard Scales...", "Mervane.exe"},
    {"Standard Sections...", "Sections.exe"},  {"Orbessa...", "Orbessa.exe"},
    {"Pemmit...", "Pemmit.exe"},               {"Drawing Template...", "Stavrin.exe"},
    {"Kandrel...", "Kandrel.exe"},             {"Fentrowal...", "Fentrow.exe"},
    {"Drossel...", "Drossel.exe"},
};

QString quoted(const QString& path) { return u'"' + path + u'"'; }

}  // namespace

TEST_F(TarvoTest, StartUpAddsTheIconAndStartsThePaletteFromTheLaunchersFolder)
{
    start();

    EXPECT_TRUE(icon().isAdded());
    EXPECT_EQ(icon().tip(), "Right Click For Menu.");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    // Fly is not there: its start fails without a word.
    EXPECT_EQ(starts(), (QList<shell::ShellCall>{{Kind::StartProgram, quoted(R"(C:\Program\Fly.exe)"), 1}}));
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(TarvoTest, OnlyTheExactSideBarValueTrueStartsThePalette)
{
    for (const char* value : {"true", "False", "", "True "}) {
        testing_env::TestEnvironment other{QStringLiteral("Tarvo Helper")};
        other.settings().save("Tarvo Helper", "Settings", "SideBar", value);
        Session otherSession{other.env()};
        FrmPreferences otherPreferences{otherSession};
        frmAbout otherAbout{otherSession};
        FrmMain otherForm{otherSession, otherPreferences, otherAbout};
        other.dispatcher().run([&] { otherForm.load(); });
        EXPECT_TRUE(other.shell().calls().isEmpty()) << value;
    }
}

TEST_F(TarvoTest, AnUnreadableSettingsStoreSkipsThePaletteQuietly)
{
    ASSERT_TRUE(QDir().mkpath(t.settings().path()));
    start();
    EXPECT_TRUE(icon().isAdded());
    EXPECT_TRUE(t.shell().calls().isEmpty());
    EXPECT_FALSE(t.dispatcher().ended());
    QDir().rmdir(t.settings().path());
}

TEST_F(TarvoTest, WithoutANotificationAreaTheLauncherSaysSoAndEnds)
{
    t.desktop().setNotificationArea(false);
    t.ui().expectMsgBox(forms::msgbox::Ok, "notification area");
    start();

    EXPECT_EQ(t.ui().last().style, Critical);
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_FALSE(icon().isAdded());
    EXPECT_TRUE(starts().isEmpty());
}

TEST_F(TarvoTest, TheMenuHoldsEveryItemInOrderWithItsImages)
{
    startWithoutSideBar();
    const QMenu& menu = testing_env::control<QMenu>(form, QStringLiteral("Mnu"));
    QList<QPair<QString, QString>> shown;
    for (const QAction* action : menu.actions())
        shown.append({action->objectName(), action->isSeparator() ? QString() : action->text()});
    EXPECT_EQ(shown, MenuItems);

    // Images 1, 4 and 2 of the image list, on "Exit...", "Help..." and
    // "Explore Favorites..." only.
    const ImgList images;
    const auto same = [](const QIcon& a, const QIcon& b) {
        return a.pixmap(16).toImage() == b.pixmap(16).toImage();
    };
    EXPECT_TRUE(same(item("MnuExit").icon(), images.image(1)));
    EXPECT_TRUE(same(item("MnuHelp").icon(), images.image(4)));
    EXPECT_TRUE(same(item("Mnuexplore").icon(), images.image(2)));
    EXPECT_FALSE(same(images.image(1), images.image(2)));
    for (const char* plain : {"MnuAbout", "MnuPreferences", "MnuExplorerDwG", "MnuBindAll", "MnuPurge", "MnuDrossel"})
        EXPECT_TRUE(item(plain).icon().isNull()) << plain;
}

TEST_F(TarvoTest, TheExitCaptionCarriesTheProgramsVersion)
{
    t.program().major = 2;
    t.program().minor = 13;
    startWithoutSideBar();
    EXPECT_EQ(item("MnuExit").text(), "Exit... (Version 2.13)");
}

TEST_F(TarvoTest, ARightClickLetsPendingEventsThroughAndPopsUpTheMenu)
{
    startWithoutSideBar();
    t.ui().expectPopup("");
    mouse(forms::tray::RightDown);

    EXPECT_EQ(t.clock().doEventsCalls(), 1);
    ASSERT_EQ(t.ui().records().size(), 1);
    EXPECT_EQ(t.ui().last().items.first(), "Exit... (Version 1.0)");
    EXPECT_EQ(t.ui().last().items.last(), "Drossel...");
}

TEST_F(TarvoTest, MovesSingleClicksAndReleasesDoNothing)
{
    startWithoutSideBar();
    for (int message : {512, 513, 514, 517, 518, 519, 520, 0, 1024})
        mouse(message);
    EXPECT_TRUE(t.shell().calls().isEmpty());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(TarvoTest, EachToolItemStartsExactlyItsRowsProgramFile)
{
    startWithoutSideBar();
    for (const auto& [caption, file] : ToolStarts) {
        t.shell().addProgram(QStringLiteral("C:\\Program\\") + file);
        t.shell().clearCalls();
        choose(caption);
        EXPECT_EQ(starts(), (QList<shell::ShellCall>{{Kind::StartProgram, quoted("C:\\Program\\" + file), 1}}))
            << caption.toStdString();
    }
    EXPECT_EQ(ToolStarts.size(), 15);
}

TEST_F(TarvoTest, AMissingToolIsReportedWithTheLaunchersBox)
{
    startWithoutSideBar();
    choose("Standard Sections...", {""});

    expectBox("Decription: File not found\r  Location: Mnu_Click", Critical, "53");
}

TEST_F(TarvoTest, AFolderWithBlanksStartsTheToolInIt)
{
    t.program().path = R"(C:\Program Files\Tarvo 2)";
    t.files().makeFolder(R"(C:\Program Files)");
    t.files().makeFolder(R"(C:\Program Files\Tarvo 2)");
    t.files().writeText(R"(C:\Program Files\Tarvo 2\Mervane.exe)", "program");
    // A program at a shorter prefix of the path is not the one meant.
    t.shell().addProgram(R"(C:\Program.exe)");
    shell::RecordingShell shellOverFiles({}, [&](const QString& path) { return t.files().hostPath(path); });
    session.env.shell = &shellOverFiles;
    store(Session::SideBar.name, "False");
    start();

    choose("Standard Scales...");
    ASSERT_EQ(shellOverFiles.callsOf(Kind::StartProgram).size(), 1);
    const QString line = shellOverFiles.callsOf(Kind::StartProgram).first().text;
    EXPECT_EQ(line, quoted(R"(C:\Program Files\Tarvo 2\Mervane.exe)"));
    const shell::CommandLine command = shell::CommandLine::parse(
        line, [&](const QString& candidate) { return t.files().fileExists(candidate) ? candidate : QString(); });
    EXPECT_EQ(command.programText, R"(C:\Program Files\Tarvo 2\Mervane.exe)");
    EXPECT_EQ(command.argumentText, "");
}

TEST_F(TarvoTest, DoubleClicksStartTheirSettingsProgramsMaximised)
{
    startWithoutSideBar();
    t.shell().addProgram(R"(c:\Program Files\Autocad 2002\Acad.exe)");
    t.shell().addProgram(R"(c:\Program Files\Autocad 2000i\Acad.exe)");
    mouse(forms::tray::LeftDoubleClick);
    mouse(forms::tray::MiddleDoubleClick);

    const QList<shell::ShellCall> expected{
        {Kind::StartProgram, R"(c:\Program Files\Autocad 2002\Acad.exe)", 3},
        {Kind::StartProgram, R"(c:\Program Files\Autocad 2000i\Acad.exe)", 3},
    };
    EXPECT_EQ(starts(), expected);
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(TarvoTest, ADoubleClickProgramWithArgumentsStartsThatProgram)
{
    store(Session::LeftDoubleClick.name, R"(C:\Draft Tools\draw.exe /p drafting)");
    startWithoutSideBar();
    t.shell().addProgram(R"(C:\Draft Tools\draw.exe)");
    mouse(forms::tray::LeftDoubleClick);
    EXPECT_EQ(starts().size(), 1);
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(TarvoTest, AMissingDoubleClickProgramIsNamedInTheBox)
{
    store(Session::MiddleDoubleClick.name, R"(C:\Gone\cad.exe)");
    startWithoutSideBar();
    t.ui().expectMsgBox(forms::msgbox::Ok);
    mouse(forms::tray::MiddleDoubleClick);
    expectBox(R"(C:\Gone\cad.exe Not Found...)", Critical);

    t.ui().expectMsgBox(forms::msgbox::Ok);
    mouse(forms::tray::LeftDoubleClick);
    expectBox(R"(c:\Program Files\Autocad 2002\Acad.exe Not Found...)", Critical);
}

TEST_F(TarvoTest, HelpOpensTheHelpFileBesideTheLauncher)
{
    startWithoutSideBar();
    choose("Help...");
    EXPECT_EQ(t.shell().calls(),
              (QList<shell::ShellCall>{{Kind::OpenDocument, R"(C:\Program\TARVOHELP.HLP)", 0}}));
}

TEST_F(TarvoTest, ExitRemovesTheIconAndEndsTheLauncher)
{
    startWithoutSideBar();
    choose("Exit... (Version 1.0)");
    EXPECT_FALSE(icon().isAdded());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(TarvoTest, ExitWithTheAboutWindowOpenEndsWhenThatWindowCloses)
{
    startWithoutSideBar();
    choose("About...");
    EXPECT_TRUE(about.isVisible());
    choose("Exit... (Version 1.0)");
    EXPECT_FALSE(icon().isAdded());
    EXPECT_FALSE(t.dispatcher().ended());

    testing_env::control<QPushButton>(about, "cmdOK").click();
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(TarvoTest, SettingsAndAboutOpenModelessOncePerChoice)
{
    startWithoutSideBar();
    choose("User Settings...");
    choose("User Settings...");
    choose("About...");
    EXPECT_TRUE(preferences.isVisible());
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(testing_env::control<QLineEdit>(preferences, "TxtFavorites").text(), R"(c:\)");
}

TEST_F(TarvoTest, AnErrorAtTheEndStillTakesTheIconAway)
{
    startWithoutSideBar();
    t.dispatcher().endProgram(1);
    EXPECT_FALSE(icon().isAdded());
}

}  // namespace tarvo::test
