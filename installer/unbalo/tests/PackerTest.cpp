// The packer as the user meets it: the item list behind the access code,
// files picked into it, Install asks for a destination and writes an
// installer there, which installs the same files again. Whatever cannot be
// packed is refused before a byte is written, and a failed run leaves no
// half-built installer.
#include "UnbaloFixture.h"

#include "installer/unbalo/FileSource.h"
#include "installer/unbalo/InstallRun.h"
#include "installer/unbalo/PackerRun.h"
#include "installer/unbalo/ProgressDisplay.h"
#include "installer/unbalo/archive/ArchiveReader.h"
#include "installer/unbalo/archive/MemorySource.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/Twips.h"
#include "platform/forms/FileListBox.h"
#include "shared/PickFilesForm.h"

#include <QGroupBox>
#include <QListView>
#include <sys/stat.h>
#include <unistd.h>

using namespace unbalo;
using namespace unbalo::test;
namespace msgbox = forms::msgbox;

class PackerTest : public UnbaloTest {
protected:
    // Files in C:\Source, in the list in this order.
    void list(const QList<Item>& items)
    {
        for (const Item& item : items) {
            put(R"(C:\Source\)" + item.name, item.content);
            module.items.append(R"(C:\Source\)" + item.name);
        }
    }

    void expectDestination(const QString& path) { t.ui().expectSaveFile(path); }
    void expectCompiled() { t.ui().expectMsgBox(msgbox::Ok, "The program has been successfully compiled..."); }

    // The items an installer file carries, top of the list first.
    QList<Item> itemsIn(const QString& path)
    {
        const QByteArray bytes = bytesOf(path);
        const MemorySource source(bytes);
        QList<Item> items;
        for (const ArchiveEntry& entry : ArchiveReader::index(source).entries)
            items.prepend(Item{entry.name, ArchiveReader::content(source, entry)});
        return items;
    }
};

TEST_F(PackerTest, TheAccessCodeBringsTheListIntoViewAndNothingElseDoes)
{
    auto& frame = control<QGroupBox>("frameModuleOptions");
    auto& help = control<QCheckBox>("ChkReadme");
    form.show();
    EXPECT_FALSE(frame.isVisible());
    const int width = form.width();

    for (const QString& reply : {QString(), QStringLiteral("QUIB"), QStringLiteral("quib ")}) {
        t.ui().expectInputBox(reply);
        emit help.customContextMenuRequested({});
        EXPECT_FALSE(frame.isVisible());
        EXPECT_EQ(form.width(), width);
    }
    const auto& asked = t.ui().last();
    EXPECT_EQ(asked.text, "Password");
    EXPECT_EQ(asked.caption, "Unbaloor");
    EXPECT_EQ(asked.defaultText, "");
    EXPECT_TRUE(help.isChecked());

    t.ui().expectInputBox("quib");
    emit help.customContextMenuRequested({});
    EXPECT_TRUE(frame.isVisible());
    EXPECT_GE(form.width(), forms::twipsToPixels(frmUnbalo::PackerWidth) - 20);
}

TEST_F(PackerTest, PickedFilesArePackedInListOrderIntoAnInstallerThatInstallsThem)
{
    put(R"(C:\Source\Fly.exe)", program("fly"));
    put(R"(C:\Source\Project.txt)", "<<Type Project Number>>\r\n");
    // Picked in the "Pick Files" window, which shows every file.
    click("CmdPick");
    auto& picker = form.pickFilesWindow();
    EXPECT_TRUE(picker.isVisible());
    testing_env::control<forms::DirListBox>(picker, "Dir1").setPath(R"(C:\Source)");
    auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
    ASSERT_EQ(files.count(), 2);
    files.setSelected(0, true);
    files.setSelected(1, true);
    testing_env::control<QPushButton>(picker, "Accept").click();
    ASSERT_EQ(module.items.paths(), (QStringList{R"(C:\Source\Fly.exe)", R"(C:\Source\Project.txt)"}));

    expectDestination(R"(C:\Out\Setup.exe)");
    ASSERT_TRUE(QDir().mkpath(host(R"(C:\Out)")));
    expectCompiled();
    EXPECT_TRUE(install());

    const auto& dialog = t.ui().records().first();
    EXPECT_EQ(dialog.request.title, "Select Destination File Name");
    EXPECT_EQ(dialog.request.defaultExtension, "exe");
    ASSERT_EQ(dialog.request.filters.size(), 1);
    EXPECT_EQ(dialog.request.filters[0].label, "Executable Files");
    EXPECT_EQ(dialog.request.filters[0].pattern, "*.exe");
    EXPECT_EQ(dialog.request.flags, 2054);
    EXPECT_EQ(t.ui().last().caption, "COMPILER");
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(form.caption(), "Install...  100% Complete");

    const QByteArray installer = bytesOf(R"(C:\Out\Setup.exe)");
    EXPECT_TRUE(installer.startsWith(Stub));
    EXPECT_TRUE(installer.endsWith("102UB13"));
    EXPECT_EQ(itemsIn(R"(C:\Out\Setup.exe)"),
              (QList<Item>{{"Fly.exe", program("fly")}, {"Project.txt", "<<Type Project Number>>\r\n"}}));
    // The installer is a program: it runs as the packer does.
    EXPECT_TRUE(QFileInfo(host(R"(C:\Out\Setup.exe)")).isExecutable());
    EXPECT_EQ(entries(R"(C:\Out)"), QStringList{"Setup.exe"});
}

TEST_F(PackerTest, AnEmptyListWritesThePackerAloneWithoutATrailer)
{
    put(R"(C:\Setup.exe)", "an older installer, longer than the packer itself is");
    expectDestination(R"(C:\Setup.exe)");
    expectCompiled();
    EXPECT_TRUE(install());
    EXPECT_EQ(bytesOf(R"(C:\Setup.exe)"), Stub);
}

TEST_F(PackerTest, RetryAsksForTheDestinationAgainAndCancelEndsWithoutWriting)
{
    list({{"Fly.exe", program("fly")}});
    expectDestination("");
    t.ui().expectMsgBox(msgbox::Retry, "You must select a filename for the program to work...");
    expectDestination("");
    t.ui().expectMsgBox(msgbox::Cancel, "You must select a filename for the program to work...");
    EXPECT_TRUE(install());
    EXPECT_EQ(t.ui().records()[1].style, msgbox::Critical + msgbox::RetryCancel);
    EXPECT_EQ(t.ui().records()[1].caption, "Unbaloor");
    EXPECT_EQ(entries(R"(C:\)"), (QStringList{"Program", "Source"}));
}

TEST_F(PackerTest, MoreThanNinetyNineRowsAreRefusedBeforeAnythingElse)
{
    for (int row = 0; row < 100; ++row)
        module.items.append(R"(C:\Source\missing.txt)");
    t.ui().expectMsgBox(msgbox::Ok, "To Many File To Attach...");
    EXPECT_FALSE(install());
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
}

// A destination that is one of the items or the packer itself would be
// destroyed by the packing that reads it.
TEST_F(PackerTest, ADestinationThatIsAnItemOrThePackerItselfIsRefused)
{
    list({{"Fly.exe", program("fly")}, {"Project.txt", "project"}});
    for (const QString& destination : {QStringLiteral(R"(c:\source\PROJECT.TXT)"), ownFile()}) {
        expectDestination(destination);
        t.ui().expectMsgBox(msgbox::Ok, "Cannot write the installer '" + destination + "': it is ");
        EXPECT_FALSE(install());
        EXPECT_TRUE(t.ui().last().text.endsWith("\r\nNothing has been written..."));
    }
    EXPECT_EQ(bytesOf(R"(C:\Source\Project.txt)"), "project");
    EXPECT_EQ(bytesOf(ownFile()), Stub);
}

TEST_F(PackerTest, ItemsThatCannotBePackedAreRefusedBeforeAByteIsWritten)
{
    // Names the host allows but an installer cannot carry (outside the
    // single-byte code page, a colon, a control character), one that is
    // gone, a folder, and one of 2 GiB (a sparse file, so the test needs no
    // disk for it).
    const QString russian = QString::fromUtf8("\u041f\u0440\u043e\u0435\u043a\u0442.txt");
    put(R"(C:\Source\)" + russian, "x");
    put(R"(C:\Source\Tarvo:1.exe)", "x");
    put("C:\\Source\\Tab\tName.lay", "x");
    put(R"(C:\Source\Big.dwg)", "");
    ASSERT_EQ(::truncate(QFile::encodeName(host(R"(C:\Source\Big.dwg)")).constData(), 0x80000000LL), 0);
    ASSERT_TRUE(QDir().mkpath(host(R"(C:\Source\Folder)")));
    const QList<std::pair<QString, QString>> cases{
        {R"(C:\Source\)" + russian, "its name is refused since it holds a character outside the single-byte code page"},
        {R"(C:\Source\Tarvo:1.exe)", "its name is refused since it holds a drive colon"},
        {"C:\\Source\\Tab\tName.lay", "its name is refused since it holds a control character"},
        {R"(C:\Source\Gone.lay)", "it is not a file that can be read (File not found)"},
        {R"(C:\Source\Folder)", "it is not a file that can be read"},
        {R"(C:\Source\Big.dwg)", "it holds 2 GiB or more"},
    };
    put(R"(C:\Source\Fly.exe)", program("fly"));
    for (const auto& [path, reason] : cases) {
        module.items.clear();
        module.items.append(R"(C:\Source\Fly.exe)");
        module.items.append(path);
        t.ui().expectMsgBox(msgbox::Ok, "Cannot pack '" + path + "': " + reason);
        EXPECT_FALSE(install());
        EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    }
    EXPECT_EQ(entries(R"(C:\)"), (QStringList{"Program", "Source"}));
}

// A destination the installer cannot be made at is the error box's: Abort
// ends the program, Ignore stops the run; neither writes anything.
TEST_F(PackerTest, ADestinationThatCannotBeMadeGoesToTheErrorBox)
{
    list({{"Fly.exe", program("fly")}});
    ASSERT_TRUE(QDir().mkpath(host(R"(C:\Out\Setup.exe)")));
    expectDestination(R"(C:\Out\Setup.exe)");
    t.ui().expectMsgBox(msgbox::Ignore, "Error #75 in module Unbalo...\r\nDescription: Path/File access error\r\n"
                                        "How do you want to continue?");
    EXPECT_FALSE(install());
    EXPECT_EQ(t.ui().last().caption, "Error");
    EXPECT_EQ(t.ui().last().style, msgbox::AbortRetryIgnore + msgbox::Exclamation);

    expectDestination(R"(C:\No Such Folder\Setup.exe)");
    t.ui().expectMsgBox(msgbox::Abort, "Error #76 in module Unbalo...");
    EXPECT_TRUE(install());
    EXPECT_EQ(entries(R"(C:\)"), (QStringList{"Out", "Program", "Source"}));
    EXPECT_EQ(entries(R"(C:\Out)"), QStringList{"Setup.exe"});
}

namespace {

class NoDisplay : public ProgressDisplay {
public:
    void showProgress(const QString&) override {}
};

}  // namespace

// An item that goes between the check and its turn, or a destination that
// cannot take the installer, stops the run; the destination keeps what it
// had and no temporary file is left.
TEST_F(PackerTest, AnItemGoneBeforeItsTurnLeavesNoHalfBuiltInstaller)
{
    list({{"Fly.exe", program("fly")}, {"Project.txt", "project"}});
    put(R"(C:\Out\Setup.exe)", "the installer built last week");
    NoDisplay display;
    PackerRun run(t.files(), display);
    ASSERT_EQ(run.checkItems(module.items.paths()), std::nullopt);
    run.begin(R"(C:\Out\Setup.exe)", ownFile(), 2);
    QFile::remove(host(R"(C:\Source\Project.txt)"));
    EXPECT_EQ(run.finish(module.items.paths()),
              QStringLiteral("Cannot pack 'C:\\Source\\Project.txt': it could not be copied into the installer (File not found)."));
    EXPECT_EQ(bytesOf(R"(C:\Out\Setup.exe)"), "the installer built last week");
    EXPECT_EQ(entries(R"(C:\Out)"), QStringList{"Setup.exe"});
}

// The installer's own data files, as they ship, packed and installed again
// byte for byte.
TEST_F(PackerTest, TheShippedDataFilesPackAsTheWorkedExampleAndInstallByteForByte)
{
    const QDir data(QStringLiteral(SUITE_INSTALLER_DATA));
    const QStringList names{"Architecture.lay", "Electrical.lay", "General.lay", "Mechanical.lay", "Process.lay",
                            "Structural.lay", "Wiring.lay", "Project.txt", "Fentrow.ini"};
    for (const QString& name : names)
        module.items.append(data.filePath(name));
    expectDestination(R"(C:\Setup.exe)");
    expectCompiled();
    EXPECT_TRUE(install());

    const QByteArray installer = bytesOf(R"(C:\Setup.exe)");
    // "Architecture.lay" of 314 bytes: its bytes, 7 CRs and "314", 243 CRs and its name.
    QFile architecture(data.filePath("Architecture.lay"));
    ASSERT_TRUE(architecture.open(QIODevice::ReadOnly));
    const QByteArray lay = architecture.readAll();
    ASSERT_EQ(lay.size(), 314);
    EXPECT_EQ(installer.mid(Stub.size(), 314 + 269),
              lay + QByteArray(7, '\r') + "314" + QByteArray(243, '\r') + "Architecture.lay");
    EXPECT_TRUE(installer.endsWith("109UB13"));

    const FileSource source(host(R"(C:\Setup.exe)"));
    const ArchiveIndex index = ArchiveReader::index(source);
    ASSERT_TRUE(index.sound()) << index.problem.toStdString();
    NoDisplay display;
    InstallRun run(t.files(), display);
    run.makeDirectory(R"(C:\Tarvo\)");
    const InstallReport report = run.extract(source, index, R"(C:\Tarvo\)");
    EXPECT_TRUE(report.complete());
    for (const QString& name : names) {
        QFile shipped(data.filePath(name));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        EXPECT_EQ(bytesOf(R"(C:\Tarvo\)" + name.toLower()), shipped.readAll()) << name.toStdString();
    }
}
