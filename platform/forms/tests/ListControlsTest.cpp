#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/DriveListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using testing_env::errorOf;

namespace {

// Counts the times a signal comes.
struct Count {
    int value = 0;
    template <typename Sender, typename Signal>
    Count(Sender* sender, Signal signal)
    {
        QObject::connect(sender, signal, [this] { ++value; });
    }
    int count() const { return value; }
};

// Drive P: (and C:) mapped into a temporary folder.
class ListControlsTest : public ::testing::Test {
protected:
    ListControlsTest()
    {
        QDir root(temp.path());
        root.mkpath(QStringLiteral("p/Jobs/2024"));
        root.mkpath(QStringLiteral("p/Archive"));
        root.mkpath(QStringLiteral("p/.git"));
        root.mkpath(QStringLiteral("p/folder.dwg"));
        root.mkpath(QStringLiteral("c"));
        for (const char* name : {"b.DWG", "a.dwg", "C.dwg", "notes.txt", "plan.dxf", ".hidden.dwg", "Makefile"})
            touch(QStringLiteral("p/") + QLatin1String(name));
        touch(QStringLiteral("p/Jobs/x.dwg"));
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), root.filePath(QStringLiteral("c")));
        drives.map(QStringLiteral("P"), root.filePath(QStringLiteral("p")));
        fs = std::make_unique<files::FileSystem>(drives);
    }

    void touch(const QString& relative)
    {
        QFile file(QDir(temp.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    static QStringList itemsOf(const forms::FileListBox& list)
    {
        QStringList names;
        for (int i = 0; i < list.count(); ++i)
            names.append(list.item(i));
        return names;
    }

    QTemporaryDir temp;
    std::unique_ptr<files::FileSystem> fs;
};

}  // namespace

TEST_F(ListControlsTest, DriveListOffersTheMappedDrives)
{
    forms::DriveListBox drive(*fs);
    EXPECT_EQ(drive.drives(), (QStringList{QStringLiteral("c:"), QStringLiteral("p:")}));
    EXPECT_EQ(drive.drive(), QStringLiteral("c:"));

    Count changed(&drive, &forms::DriveListBox::driveChanged);
    drive.setDrive(QStringLiteral("P:\\"));
    EXPECT_EQ(drive.drive(), QStringLiteral("p:"));
    drive.setDrive(QStringLiteral("p:\\Jobs"));
    EXPECT_EQ(changed.count(), 1);  // the same drive again is no change

    EXPECT_EQ(errorOf([&] { drive.setDrive(QStringLiteral("Q:\\")); }), runtime::err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { drive.setDrive(QStringLiteral("Jobs")); }), runtime::err::DeviceUnavailable);
    EXPECT_EQ(drive.drive(), QStringLiteral("p:"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ListControlsTest, DriveWhoseFolderHasGoneIsUnavailable)
{
    forms::DriveListBox drive(*fs);
    ASSERT_TRUE(QDir(QDir(temp.path()).filePath(QStringLiteral("c"))).removeRecursively());
    EXPECT_EQ(errorOf([&] { drive.setDrive(QStringLiteral("C:")); }), runtime::err::DeviceUnavailable);
}

TEST_F(ListControlsTest, FolderListShowsTheWayDownAndTheSubfolders)
{
    forms::DirListBox dir(*fs);
    EXPECT_EQ(dir.path(), QStringLiteral("C:\\"));

    Count changed(&dir, &forms::DirListBox::pathChanged);
    dir.setPath(QStringLiteral("p:"));  // a bare drive: its current folder
    EXPECT_EQ(dir.path(), QStringLiteral("P:\\"));
    EXPECT_EQ(dir.subfolders(),
              (QStringList{QStringLiteral("Archive"), QStringLiteral("folder.dwg"), QStringLiteral("Jobs")}));
    dir.setPath(QStringLiteral("P:/jobs/"));
    EXPECT_EQ(dir.path(), QStringLiteral("P:\\jobs"));
    EXPECT_EQ(dir.subfolders(), QStringList{QStringLiteral("2024")});
    EXPECT_EQ(changed.count(), 2);

    EXPECT_EQ(errorOf([&] { dir.setPath(QStringLiteral("P:\\Missing")); }), runtime::err::PathNotFound);
    EXPECT_EQ(errorOf([&] { dir.setPath(QStringLiteral("Q:\\")); }), runtime::err::DeviceUnavailable);
    EXPECT_EQ(dir.path(), QStringLiteral("P:\\jobs"));
    EXPECT_EQ(changed.count(), 2);

    // The drive's current folder is where a bare drive leads.
    fs->setCurrentFolder(QStringLiteral("P:\\Jobs\\2024"));
    dir.setPath(QStringLiteral("P:"));
    EXPECT_EQ(dir.path(), QStringLiteral("P:\\Jobs\\2024"));
}

TEST_F(ListControlsTest, FileListMatchesPatternsWithoutCaseInOrderWithoutHidden)
{
    forms::FileListBox list(*fs);
    EXPECT_EQ(list.count(), 0);
    list.setPattern(QStringLiteral("*.dwg"));
    list.setPath(QStringLiteral("P:\\"));
    EXPECT_EQ(list.path(), QStringLiteral("P:\\"));
    EXPECT_EQ(itemsOf(list), (QStringList{QStringLiteral("a.dwg"), QStringLiteral("b.DWG"), QStringLiteral("C.dwg")}));

    list.setPattern(QStringLiteral("*.*"));
    EXPECT_EQ(itemsOf(list), (QStringList{QStringLiteral("a.dwg"), QStringLiteral("b.DWG"), QStringLiteral("C.dwg"),
                                          QStringLiteral("Makefile"), QStringLiteral("notes.txt"),
                                          QStringLiteral("plan.dxf")}));

    list.setPattern(QStringLiteral("*.DXF;*.txt;*.dxf"));
    EXPECT_EQ(itemsOf(list), (QStringList{QStringLiteral("notes.txt"), QStringLiteral("plan.dxf")}));

    EXPECT_EQ(errorOf([&] { list.setPath(QStringLiteral("P:\\Nope")); }), runtime::err::PathNotFound);
    EXPECT_EQ(list.path(), QStringLiteral("P:\\"));
    EXPECT_EQ(errorOf([&] { (void)list.item(2); }), 381);
}

TEST_F(ListControlsTest, MultiSelectKeepsSeveralAndRefreshKeepsThem)
{
    forms::FileListBox list(*fs);
    list.setPattern(QStringLiteral("*.dwg"));
    list.setPath(QStringLiteral("P:\\"));

    list.setSelected(0, true);
    list.setSelected(2, true);
    EXPECT_FALSE(list.isSelected(0));  // single selection: the last one wins
    EXPECT_TRUE(list.isSelected(2));

    list.setMultiSelect(true);
    Count changed(&list, &forms::FileListBox::selectionChanged);
    list.setSelected(0, true);
    EXPECT_TRUE(list.isSelected(0));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_GE(changed.count(), 1);

    touch(QStringLiteral("p/0.dwg"));
    list.refresh();
    EXPECT_EQ(list.item(0), QStringLiteral("0.dwg"));
    EXPECT_TRUE(list.isSelected(1));  // a.dwg
    EXPECT_TRUE(list.isSelected(3));  // C.dwg
    EXPECT_FALSE(list.isSelected(0));

    list.setSelected(1, false);
    EXPECT_FALSE(list.isSelected(1));

    // A new folder starts without a selection.
    list.setPath(QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(itemsOf(list), QStringList{QStringLiteral("x.dwg")});
    EXPECT_FALSE(list.isSelected(0));
}

TEST_F(ListControlsTest, ADragOffersOnlyWhatTheProgramAllowsAndCarriesTheSelectedFiles)
{
    forms::FileListBox list(*fs);
    list.setPattern(QStringLiteral("*.dwg"));
    list.setPath(QStringLiteral("P:\\"));
    EXPECT_EQ(list.dragActions(), Qt::IgnoreAction);
    EXPECT_FALSE(list.findChild<QListWidget*>()->dragEnabled());

    list.setDragActions(Qt::CopyAction);
    EXPECT_EQ(list.dragActions(), Qt::CopyAction);
    EXPECT_TRUE(list.findChild<QListWidget*>()->dragEnabled());
    list.setMultiSelect(true);
    list.setSelected(0, true);
    list.setSelected(2, true);
    std::unique_ptr<QMimeData> data(list.selectedFilesData());
    ASSERT_EQ(data->urls().size(), 2);
    EXPECT_EQ(data->urls()[0].toLocalFile(), fs->hostPath(QStringLiteral("P:\\a.dwg")));
    EXPECT_EQ(data->urls()[1].toLocalFile(), fs->hostPath(QStringLiteral("P:\\C.dwg")));
    EXPECT_TRUE(QFileInfo::exists(data->urls()[1].toLocalFile()));
}

TEST_F(ListControlsTest, FolderThatVanishesEmptiesTheFileList)
{
    forms::FileListBox list(*fs);
    list.setPath(QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(list.count(), 1);
    ASSERT_TRUE(QDir(QDir(temp.path()).filePath(QStringLiteral("p/Jobs"))).removeRecursively());
    EXPECT_NO_THROW(list.refresh());
    EXPECT_EQ(list.count(), 0);
}
