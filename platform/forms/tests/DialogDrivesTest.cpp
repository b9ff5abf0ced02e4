// The file and folder dialogs keep to the mapped drives: where they open for
// the path they are given, which accepted paths they refuse, and the whole
// round with Qt's own dialog on the offscreen platform.
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/FilesPathMapper.h"
#include "platform/forms/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

using forms::QtInteraction;
using Pick = QtInteraction::Pick;

namespace {

class DialogDrivesTest : public ::testing::Test {
protected:
    DialogDrivesTest()
    {
        for (const char* folder : {"c/Jobs", "p/Jobs/Sheets", "outside/Jobs", "gone"})
            QDir(temp.path()).mkpath(QLatin1String(folder));
        for (const char* file : {"p/Jobs/a.dwg", "outside/x.dwg"})
            QFile(host(file)).open(QIODevice::WriteOnly);
        drives.map(QStringLiteral("C"), host("c"));
        drives.map(QStringLiteral("P"), host("p"));
        drives.map(QStringLiteral("G"), host("gone"));
        QDir(host("gone")).removeRecursively();
        fs = std::make_unique<files::FileSystem>(drives);
        mapper = std::make_unique<forms::FilesPathMapper>(*fs);
    }

    QString host(const char* relative) const
    {
        return QDir::cleanPath(QDir(temp.path()).absoluteFilePath(QLatin1String(relative)));
    }

    QTemporaryDir temp;
    files::DriveTable drives;
    std::unique_ptr<files::FileSystem> fs;
    std::unique_ptr<forms::FilesPathMapper> mapper;
};

}  // namespace

TEST_F(DialogDrivesTest, ADialogOpensAtTheMappedFolderOfItsPathOrAtDriveC)
{
    EXPECT_EQ(mapper->startFolder(QStringLiteral("P:\\Jobs")), host("p/Jobs"));
    EXPECT_EQ(mapper->startFolder(QStringLiteral("p:\\jobs\\sheets\\")), host("p/Jobs/Sheets"));
    // A file's path opens its folder; a path that is not there all the way
    // opens the nearest folder above it that is.
    EXPECT_EQ(mapper->startFolder(QStringLiteral("P:\\Jobs\\a.dwg")), host("p/Jobs"));
    EXPECT_EQ(mapper->startFolder(QStringLiteral("P:\\Jobs\\Gone\\Deeper\\b.dwg")), host("p/Jobs"));
    EXPECT_EQ(mapper->startFolder(QStringLiteral("P:\\")), host("p"));

    // A bare drive is its current folder.
    fs->setCurrentFolder(QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(mapper->startFolder(QStringLiteral("P:")), host("p/Jobs"));

    // Nothing to go by: drive C:'s root, never the program's working folder.
    for (const QString& nowhere : {QString(), QStringLiteral("Q:\\Jobs"), QStringLiteral("G:\\Jobs"),
                                   QStringLiteral("Jobs"), host("outside/Jobs"), QStringLiteral("/")}) {
        SCOPED_TRACE(nowhere.toStdString());
        EXPECT_EQ(mapper->startFolder(nowhere), host("c"));
    }
}

TEST_F(DialogDrivesTest, WithoutDriveCADialogOpensWhereQtPutsIt)
{
    files::DriveTable onlyP;
    onlyP.map(QStringLiteral("P"), host("p"));
    files::FileSystem files(onlyP);
    forms::FilesPathMapper paths(files);
    EXPECT_EQ(paths.startFolder(QString()), QString());
    EXPECT_EQ(paths.startFolder(QStringLiteral("P:\\Jobs")), host("p/Jobs"));
    EXPECT_EQ(paths.drives(), QStringList{"P:"});
}

TEST_F(DialogDrivesTest, OnlyPathsOnTheMappedDrivesComeBack)
{
    EXPECT_EQ(mapper->fromHost(host("p/Jobs/a.dwg")), QStringLiteral("P:\\Jobs\\a.dwg"));
    EXPECT_EQ(mapper->fromHost(host("c")), QStringLiteral("C:\\"));
    EXPECT_EQ(mapper->fromHost(host("c") + QStringLiteral("/")), QStringLiteral("C:\\"));
    for (const QString& off : {host("outside/Jobs"), host("outside/x.dwg"), host("cc"), QDir::cleanPath(temp.path()),
                               QStringLiteral("/"), QStringLiteral("relative/x.dwg"), QString()}) {
        SCOPED_TRACE(off.toStdString());
        EXPECT_EQ(mapper->fromHost(off), QString());
    }
    // A drive's folder reached through a link is still that drive.
    ASSERT_TRUE(QFile::link(host("p"), host("outside/link")));
    EXPECT_EQ(mapper->fromHost(host("outside/link/Jobs")), QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(mapper->drives(), (QStringList{"C:", "G:", "P:"}));
}

TEST_F(DialogDrivesTest, APickOffTheDrivesIsRefusedAndAFolderInAFileDialogIsOpened)
{
    // Folder browser.
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("p/Jobs"), true), Pick::Take);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("c"), true), Pick::Take);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("outside/Jobs"), true), Pick::Refuse);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, QDir::cleanPath(temp.path()), true), Pick::Refuse);

    // File dialogs: a folder is gone into wherever it is; a file, there or
    // still to be saved, only on a drive.
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("outside/Jobs"), false), Pick::Browse);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("p/Jobs"), false), Pick::Browse);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("p/Jobs/a.dwg"), false), Pick::Take);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("p/Jobs/new.dwg"), false), Pick::Take);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("outside/x.dwg"), false), Pick::Refuse);
    EXPECT_EQ(QtInteraction::judgePick(*mapper, host("outside/new.dwg"), false), Pick::Refuse);

    const QString folder = QtInteraction::refusalText(*mapper, host("outside/Jobs"), true);
    EXPECT_TRUE(folder.startsWith(QStringLiteral("The folder \"") + host("outside/Jobs") + u'"')) << folder.toStdString();
    EXPECT_TRUE(folder.contains(QStringLiteral("C:, G:, P:"))) << folder.toStdString();
    EXPECT_TRUE(QtInteraction::refusalText(*mapper, host("outside/x.dwg"), false).startsWith("The file "));
}

namespace {

// Acts on the modal windows as a user would, one step each time the wanted
// kind of window is up.
class ModalSteps : public QObject {
public:
    using Step = std::function<bool(QWidget*)>;  // true when the step was taken

    explicit ModalSteps(QList<Step> steps) : steps_(std::move(steps))
    {
        clock_.start();
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            // A step may open a modal window of its own: it runs outside this
            // timer's tick, so that the ticks go on inside that window's loop,
            // and it is off the list while it runs, so that the next one can
            // act on that window.
            QTimer::singleShot(0, this, [this] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                // A window no step expects fails the test rather than hanging it.
                if (clock_.hasExpired(10000)) {
                    if (auto* dialog = qobject_cast<QDialog*>(modal))
                        dialog->reject();
                    return;
                }
                if (steps_.isEmpty())
                    return;
                const Step step = steps_.takeFirst();
                if (!step(modal))
                    steps_.prepend(step);
            });
        });
        timer_.start();
    }

    bool done() const { return steps_.isEmpty(); }

private:
    QList<Step> steps_;
    QTimer timer_;
    QElapsedTimer clock_;
};

// A step on a modal window of one kind.
template <typename Window>
ModalSteps::Step on(std::function<void(Window&)> act)
{
    return [act = std::move(act)](QWidget* modal) {
        auto* window = qobject_cast<Window*>(modal);
        if (!window)
            return false;
        act(*window);
        return true;
    };
}

// Types a path into the dialog's name box and presses its Open or Choose
// button, as a user who knows the path would.
void choose(QFileDialog& dialog, const QString& hostPath)
{
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(hostPath);
    static_cast<QDialog&>(dialog).accept();
}

}  // namespace

TEST_F(DialogDrivesTest, TheFolderBrowserStartsAtDriveCAndKeepsAskingUntilAFolderOnADrive)
{
    QtInteraction ui(QStringLiteral("Tool"), *mapper);
    QString startedIn;
    QString refusal;
    bool stayedOpen = false;
    ModalSteps steps({
        on<QFileDialog>([&](QFileDialog& dialog) {
            startedIn = QDir::cleanPath(dialog.directory().absolutePath());
            choose(dialog, host("outside/Jobs"));
        }),
        on<QMessageBox>([&](QMessageBox& box) {
            refusal = box.text();
            box.button(QMessageBox::Ok)->click();
        }),
        on<QFileDialog>([&](QFileDialog& dialog) {
            stayedOpen = dialog.isVisible();
            choose(dialog, host("p/Jobs"));
        }),
    });
    EXPECT_EQ(ui.browseForFolder(QStringLiteral("C:\\")), QStringLiteral("P:\\Jobs"));
    EXPECT_TRUE(steps.done());
    EXPECT_EQ(startedIn, host("c"));
    EXPECT_TRUE(refusal.contains(host("outside/Jobs"))) << refusal.toStdString();
    EXPECT_TRUE(stayedOpen);
}

TEST_F(DialogDrivesTest, AnOpenFileDialogStartsAtItsFolderAndTakesOnlyAFileOnADrive)
{
    QtInteraction ui(QStringLiteral("Tool"), *mapper);
    QString startedIn;
    int refused = 0;
    bool stayedOpen = false;
    ModalSteps steps({
        on<QFileDialog>([&](QFileDialog& dialog) {
            startedIn = QDir::cleanPath(dialog.directory().absolutePath());
            choose(dialog, host("outside/x.dwg"));
        }),
        on<QMessageBox>([&](QMessageBox& box) {
            ++refused;
            box.button(QMessageBox::Ok)->click();
        }),
        on<QFileDialog>([&](QFileDialog& dialog) {
            stayedOpen = dialog.isVisible();
            choose(dialog, host("p/Jobs/a.dwg"));
        }),
    });
    forms::FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.initialFolder = QStringLiteral("P:\\Jobs");
    EXPECT_EQ(ui.openFileDialog(request), QStringLiteral("P:\\Jobs\\a.dwg"));
    EXPECT_TRUE(steps.done());
    EXPECT_EQ(startedIn, host("p/Jobs"));
    EXPECT_EQ(refused, 1);
    EXPECT_TRUE(stayedOpen);
}
