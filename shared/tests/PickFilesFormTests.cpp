#include "ToolVariants.h"
#include "platform/env/Environment.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/DriveListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/Error.h"
#include "platform/settings/Store.h"
#include "platform/testing/Controls.h"
#include "platform/testing/LayoutCheck.h"
#include "shared/PickFilesForm.h"
#include "shared/PickFilesOwner.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Kind = forms::ScriptedInteraction::Kind;

// A list owner that records what it is handed and what it is asked.
struct FakeOwner : suite::PickFilesOwner {
    QStringList handed;
    QString project;
    QList<suite::Resume> answers;  // to the project error reports, in turn
    QList<int> reported;
    settings::Store* store = nullptr;  // where the stored start folder is read
    QStringList taken;
    bool takeCloses = true;

    void Batchlist1sub(const QString& fileToAdd) override { handed.append(fileToAdd); }
    QString projectFolder() override { return project; }
    suite::Resume reportProjectError(const runtime::Error& error) override
    {
        reported.append(error.number());
        return answers.isEmpty() ? suite::Resume::Leave : answers.takeFirst();
    }
    QString startFolder() override
    {
        return store ? store->get(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("PickFiles"))
                     : QString();
    }
    bool takePickedFile(const QString& folder, const QString& fileName) override
    {
        taken.append(folder + u'|' + fileName);
        return takeCloses;
    }
};

class PickFilesFormTest : public ::testing::Test {
protected:
    PickFilesFormTest()
    {
        ui.setFailureHandler([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        for (const char* folder : {"c/Work", "p/Jobs", "q"})
            QDir(temp.path()).mkpath(QLatin1String(folder));
        for (const char* file : {"p/a.dwg", "p/b.dwg", "p/c.dwg", "p/notes.txt", "p/std.lay", "p/wiring.lay",
                                 "p/Jobs/a.dwg", "p/Jobs/b.dwg", "c/Work/w.dwg", "c/Work/setup.exe"})
            touch(QLatin1String(file));
        mapDrives(true);
        store = std::make_unique<settings::Store>(QDir(temp.path()).filePath(QStringLiteral("settings.ini")));
        env.settings = store.get();
        env.ui = &ui;
        env.dispatcher = &dispatcher;
    }

    void touch(const QString& relative)
    {
        QFile file(QDir(temp.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString hostFolder(const char* relative) const { return QDir(temp.path()).filePath(QLatin1String(relative)); }

    void mapDrives(bool withP)
    {
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), hostFolder("c"));
        drives.map(QStringLiteral("Q"), hostFolder("q"));
        if (withP)
            drives.map(QStringLiteral("P"), hostFolder("p"));
        fs = std::make_unique<files::FileSystem>(drives);
        env.files = fs.get();
    }

    std::unique_ptr<suite::PickFilesForm> open(const suite::PickFilesVariant& variant)
    {
        auto form = std::make_unique<suite::PickFilesForm>(env, variant, owner);
        form->show();
        return form;
    }

    // The window's controls, by their names.
    static forms::FileListBox& file1(const suite::PickFilesForm& form)
    {
        return testing_env::control<forms::FileListBox>(form, QStringLiteral("File1"));
    }
    static forms::DirListBox& dir1(const suite::PickFilesForm& form)
    {
        return testing_env::control<forms::DirListBox>(form, QStringLiteral("Dir1"));
    }
    static forms::DriveListBox& drive1(const suite::PickFilesForm& form)
    {
        return testing_env::control<forms::DriveListBox>(form, QStringLiteral("Drive1"));
    }
    static QPushButton& button(const suite::PickFilesForm& form, const char* name)
    {
        return testing_env::control<QPushButton>(form, QString::fromLatin1(name));
    }

    static QStringList listed(const suite::PickFilesForm& form)
    {
        QStringList names;
        for (int i = 0; i < file1(form).count(); ++i)
            names.append(file1(form).item(i));
        return names;
    }

    static void select(suite::PickFilesForm& form, const QStringList& names)
    {
        for (int i = 0; i < file1(form).count(); ++i) {
            if (names.contains(file1(form).item(i)))
                file1(form).setSelected(i, true);
        }
    }

    static void expectAt(const suite::PickFilesForm& form, const QString& folder)
    {
        EXPECT_EQ(dir1(form).path(), folder);
        EXPECT_EQ(file1(form).path(), folder);
        EXPECT_EQ(drive1(form).drive(), folder.left(2).toLower());
    }

    QTemporaryDir temp;
    forms::ScriptedInteraction ui{QStringLiteral("Tool")};
    forms::Dispatcher dispatcher{ui};
    std::unique_ptr<files::FileSystem> fs;
    std::unique_ptr<settings::Store> store;
    env::Environment env;
    FakeOwner owner;
};

}  // namespace

TEST_F(PickFilesFormTest, AcceptHandsOverEachSelectedFileInListOrderThenCloses)
{
    auto form = open(suite::test::pickFilesPollent());
    EXPECT_EQ(form->caption(), QStringLiteral("Pick Files"));
    expectAt(*form, QStringLiteral("P:\\"));
    EXPECT_EQ(listed(*form), (QStringList{"a.dwg", "b.dwg", "c.dwg"}));

    select(*form, {"b.dwg", "a.dwg"});
    button(*form, "Accept").click();
    EXPECT_EQ(owner.handed, (QStringList{"P:\\a.dwg", "P:\\b.dwg"}));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PickFilesFormTest, FilesInAFolderGetABackslashBeforeTheirName)
{
    auto form = open(suite::test::pickFilesPollent());
    dir1(*form).setPath(QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(file1(*form).path(), QStringLiteral("P:\\Jobs"));
    select(*form, {"a.dwg", "b.dwg"});
    button(*form, "Accept").click();
    EXPECT_EQ(owner.handed, (QStringList{"P:\\Jobs\\a.dwg", "P:\\Jobs\\b.dwg"}));
}

TEST_F(PickFilesFormTest, AcceptWithNothingSelectedClosesAndHandsOverNothing)
{
    auto form = open(suite::test::pickFilesPollent());
    button(*form, "Accept").click();
    EXPECT_TRUE(owner.handed.isEmpty());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PickFilesFormTest, AddToDrawingListTwiceHandsTheSameFilesOverTwiceAndStaysOpen)
{
    auto form = open(suite::test::pickFilesPollent());
    select(*form, {"c.dwg"});
    for (int round = 0; round < 2; ++round) {
        ui.expectPopup(QStringLiteral("Add To Drawing List"));
        emit file1(*form).rightClicked(QPoint());
    }
    EXPECT_EQ(owner.handed, (QStringList{"P:\\c.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(ui.last().items, QStringList{"Add To Drawing List"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(listed(*form).size(), 3);  // nothing is taken off the file list
}

TEST_F(PickFilesFormTest, MissingDrivePStartsOnDriveCWithoutAMessage)
{
    mapDrives(false);
    fs->setCurrentFolder(QStringLiteral("C:\\Work"));
    auto form = open(suite::test::pickFilesPollent());
    expectAt(*form, QStringLiteral("C:\\Work"));
    EXPECT_EQ(listed(*form), QStringList{"w.dwg"});
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(PickFilesFormTest, DriveItemGoesToDrivePOrFallsBackToDriveCWhenItHasGone)
{
    auto form = open(suite::test::pickFilesPollent());
    dir1(*form).setPath(QStringLiteral("C:\\Work"));
    ui.expectPopup(QStringLiteral("P:\\"));
    emit dir1(*form).rightClicked(QPoint());
    expectAt(*form, QStringLiteral("P:\\"));
    EXPECT_EQ(ui.last().items, (QStringList{"Current Project", "P:\\"}));

    ASSERT_TRUE(QDir(hostFolder("p")).removeRecursively());
    ui.expectPopup(QStringLiteral("P:\\"));
    emit dir1(*form).rightClicked(QPoint());
    expectAt(*form, QStringLiteral("C:\\"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ui.records().size(), 2);  // the two menus, no box
}

TEST_F(PickFilesFormTest, CurrentProjectGoesToTheOwnersFolderAndReportsWithoutMovingWhenItFails)
{
    auto form = open(suite::test::pickFilesPollent());
    owner.project = QStringLiteral("P:\\Jobs");
    ui.expectPopup(QStringLiteral("Current Project"));
    emit dir1(*form).rightClicked(QPoint());
    expectAt(*form, QStringLiteral("P:\\Jobs"));
    EXPECT_TRUE(owner.reported.isEmpty());

    // A folder that is not there, on a drive that is: nothing moves, not even
    // the drive list. Retry tries the whole move again.
    dir1(*form).setPath(QStringLiteral("C:\\Work"));
    owner.project = QStringLiteral("P:\\Gone");
    owner.answers = {suite::Resume::Retry, suite::Resume::Leave};
    ui.expectPopup(QStringLiteral("Current Project"));
    emit dir1(*form).rightClicked(QPoint());
    EXPECT_EQ(owner.reported, (QList<int>{runtime::err::PathNotFound, runtime::err::PathNotFound}));
    EXPECT_EQ(dir1(*form).path(), QStringLiteral("C:\\Work"));
    EXPECT_EQ(file1(*form).path(), QStringLiteral("C:\\Work"));

    owner.reported.clear();
    owner.project = QStringLiteral("R:\\Proj");
    ui.expectPopup(QStringLiteral("Current Project"));
    emit dir1(*form).rightClicked(QPoint());
    EXPECT_EQ(owner.reported, QList<int>{runtime::err::DeviceUnavailable});
    EXPECT_EQ(dir1(*form).path(), QStringLiteral("C:\\Work"));
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(PickFilesFormTest, ChoosingADriveWhoseFolderHasGoneSaysSoAndKeepsTheLists)
{
    auto form = open(suite::test::pickFilesPollent());
    ASSERT_TRUE(QDir(hostFolder("q")).removeRecursively());
    auto* combo = drive1(*form).findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Device unavailable"));
    emit combo->activated(combo->findText(QStringLiteral("q:")));
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    expectAt(*form, QStringLiteral("P:\\"));
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(PickFilesFormTest, ExitUnloadsAndTheNextShowStartsAfresh)
{
    auto form = open(suite::test::pickFilesPollent());
    dir1(*form).setPath(QStringLiteral("P:\\Jobs"));
    select(*form, {"a.dwg"});
    button(*form, "Exit2").click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(owner.handed.isEmpty());

    form->show();
    expectAt(*form, QStringLiteral("P:\\"));
    button(*form, "Accept").click();
    EXPECT_TRUE(owner.handed.isEmpty());
}

TEST_F(PickFilesFormTest, DrosselStartsInTheStoredFolderOrWhereItWouldWithoutOne)
{
    owner.store = store.get();
    fs->setCurrentFolder(QStringLiteral("C:\\Work"));
    store->save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("PickFiles"),
                QStringLiteral("p:\\jobs\\"));
    {
        auto form = open(suite::test::pickFilesDrossel());
        expectAt(*form, QStringLiteral("P:\\jobs"));
        EXPECT_EQ(listed(*form), (QStringList{"a.dwg", "b.dwg"}));
    }
    store->save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("PickFiles"),
                QStringLiteral("P:\\Gone"));
    {
        auto form = open(suite::test::pickFilesDrossel());
        expectAt(*form, QStringLiteral("C:\\Work"));
    }
    store->save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("PickFiles"), QString());
    {
        auto form = open(suite::test::pickFilesDrossel());
        expectAt(*form, QStringLiteral("C:\\Work"));
    }
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(PickFilesFormTest, DrosselHandsOverOnADoubleClickAndHasNoDrivePItem)
{
    auto form = open(suite::test::pickFilesDrossel());
    ASSERT_NE(form->findChild<QLabel*>(QStringLiteral("LblMenu")), nullptr);
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("Mnup")), nullptr);
    dir1(*form).setPath(QStringLiteral("P:\\"));
    select(*form, {"a.dwg", "c.dwg"});
    emit file1(*form).doubleClicked(2);
    EXPECT_EQ(owner.handed, (QStringList{"P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_TRUE(form->isVisible());

    ui.expectPopup(QString());  // dismissed
    emit dir1(*form).rightClicked(QPoint());
    EXPECT_EQ(ui.last().items, QStringList{"Current Project"});
}

TEST_F(PickFilesFormTest, UnbaloStartsInTheCurrentFolderListingEveryFileWithoutADriveMenu)
{
    fs->setCurrentFolder(QStringLiteral("C:\\Work"));
    auto form = open(suite::test::pickFilesUnbalo());
    expectAt(*form, QStringLiteral("C:\\Work"));
    EXPECT_EQ(listed(*form), (QStringList{"setup.exe", "w.dwg"}));
    EXPECT_EQ(form->findChild<QMenu*>(QStringLiteral("MnuDrive")), nullptr);
    emit dir1(*form).rightClicked(QPoint());
    EXPECT_TRUE(ui.records().isEmpty());

    dir1(*form).setPath(QStringLiteral("P:\\"));
    select(*form, {"notes.txt"});
    ui.expectPopup(QStringLiteral("Add To Drawing List"));
    emit file1(*form).rightClicked(QPoint());
    EXPECT_EQ(owner.handed, QStringList{"P:\\notes.txt"});
}

TEST_F(PickFilesFormTest, SodrinAcceptGivesOnePickedFileToTheOwnerInsteadOfTheList)
{
    auto form = open(suite::test::pickFilesSodrin());
    EXPECT_EQ(form->objectName(), QStringLiteral("FrmFile"));
    EXPECT_EQ(listed(*form), (QStringList{"std.lay", "wiring.lay"}));

    ui.expectPopup(QString());
    emit file1(*form).rightClicked(QPoint());
    EXPECT_EQ(ui.last().items, (QStringList{"Current Project", "P:\\"}));

    owner.takeCloses = false;  // the owner refused it: the picker stays open
    button(*form, "Accept").click();
    EXPECT_TRUE(form->isVisible());

    owner.takeCloses = true;
    select(*form, {"wiring.lay"});
    button(*form, "Accept").click();
    EXPECT_EQ(owner.taken, (QStringList{"P:\\|", "P:\\|wiring.lay"}));
    EXPECT_TRUE(owner.handed.isEmpty());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PickFilesFormTest, EveryVariantShowsItsControlsWhole)
{
    const QList<suite::PickFilesVariant> variants = {suite::test::pickFilesPollent(), suite::test::pickFilesDrossel(),
                                                     suite::test::pickFilesUnbalo(), suite::test::pickFilesSodrin()};
    const QStringList names = {"pollent", "drossel", "unbalo", "sodrin"};
    for (qsizetype i = 0; i < variants.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        auto form = open(variants[i]);
        EXPECT_EQ(testing_env::layoutFaults(*form), QStringList());
        EXPECT_TRUE(form->grab().save(QStringLiteral("/tmp/pickfiles-%1.png").arg(names[i])));
    }
}
