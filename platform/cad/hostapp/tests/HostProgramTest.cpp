// The host program in process, driven as the person drives it: the command
// line, the File menu, the tabs, and the questions at its end.
#include "HostProcess.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostapp/DocumentActions.h"
#include "platform/cad/hostapp/HostCommands.h"
#include "platform/cad/hostapp/HostProgram.h"
#include "platform/cad/hostapp/HostWindow.h"
#include "platform/cad/hostapp/InteractiveUser.h"
#include "platform/cad/hostapp/PlotList.h"
#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/remote/HostServer.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/ErrorOf.h"
#include "platform/testing/TestEnvironment.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QtEndian>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hostapp::CommandLine;
using hostapp::HostProgram;
using hostapp_test::waitUntil;
using testing_env::errorOf;

namespace {

cad::Point pt(double x, double y) { return {x, y, 0.0}; }

class InProcess : public ::testing::Test {
protected:
    InProcess()
    {
        test.files().makeFolder(Project);
        for (const QString& name : {QStringLiteral("A101.dwg"), QStringLiteral("A102.dwg")}) {
            const auto writer = standin::Host::create(test.files());
            writer->addDocument()->saveAs(Project + u'\\' + name);
        }
    }

    HostProgram& start()
    {
        hostapp::HostOptions options;
        options.project = Project;
        program = std::make_unique<HostProgram>(test.env(), options);
        QString problem;
        EXPECT_TRUE(program->start(&problem, sockets.path() + QStringLiteral("/cad-host"))) << problem.toStdString();
        return *program;
    }

    standin::Host& host() { return program->host(); }
    CommandLine& commandLine() { return program->window().commandLine(); }
    void exit() { test.dispatcher().run([&] { program->window().exitHost(); }); }
    bool ended() { return test.dispatcher().ended(); }

    const QString Project = QStringLiteral("C:\\Project");
    testing_env::TestEnvironment test{QStringLiteral("CAD Host")};
    QTemporaryDir sockets;
    std::unique_ptr<HostProgram> program;
};

TEST_F(InProcess, AtItsEndTheHostAsksForEachChangedDrawingAndCancelKeepsItRunning)
{
    start();
    const auto a101 = host().active();
    a101->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto added = host().documents()->add();
    added->modelSpace()->addLine(pt(0, 0), pt(2, 0));
    const QByteArray before = test.files().readAll(Project + QStringLiteral("\\A101.dwg"));

    test.ui().expectMsgBox(forms::msgbox::Cancel, QStringLiteral("Save changes to A101.dwg?"));
    exit();
    EXPECT_FALSE(ended());
    EXPECT_TRUE(host().isRunning());
    EXPECT_TRUE(program->server().isListening());
    EXPECT_EQ(test.files().readAll(Project + QStringLiteral("\\A101.dwg")), before);

    test.ui().expectMsgBox(forms::msgbox::No, QStringLiteral("Save changes to A101.dwg?"));
    test.ui().expectMsgBox(forms::msgbox::Yes, QStringLiteral("Save changes to Drawing1.dwg?"));
    test.ui().expectSaveFile(Project + QStringLiteral("\\New.dwg"));
    exit();
    EXPECT_TRUE(ended());
    EXPECT_EQ(test.files().readAll(Project + QStringLiteral("\\A101.dwg")), before);
    EXPECT_TRUE(test.files().fileExists(Project + QStringLiteral("\\New.dwg")));
    EXPECT_FALSE(program->server().isListening());
    EXPECT_EQ(errorOf([&] { a101->name(); }), cad::err::RpcServerUnavailable);
}

TEST_F(InProcess, YesSavesAndAFailedSaveKeepsTheHostRunning)
{
    start();
    host().active()->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    test.files().setReadOnly(Project + QStringLiteral("\\A101.dwg"), true);
    // A read-only drawing is saved under another name; none given, no end.
    test.ui().expectMsgBox(forms::msgbox::Yes, QStringLiteral("Save changes to A101.dwg?"));
    test.ui().expectSaveFile(QString());
    exit();
    EXPECT_FALSE(ended());

    test.files().setReadOnly(Project + QStringLiteral("\\A101.dwg"), false);
    test.ui().expectMsgBox(forms::msgbox::Yes, QStringLiteral("Save changes to A101.dwg?"));
    exit();
    EXPECT_TRUE(ended());
    const auto reader = standin::Host::create(test.files());
    EXPECT_EQ(reader->openDocument(Project + QStringLiteral("\\A101.dwg"))->modelSpace()->count(), 1);
}

TEST_F(InProcess, ALineTypedOnTheCommandLineIsHeardByToolsFirstThenDrawn)
{
    start();
    const auto document = host().active();
    int linesWhenHeard = -1;
    QStringList heard;
    host().subscribeBeginCommand([&](const QString& name) {
        heard.append(name);
        linesWhenHeard = document->modelSpace()->count();
    });
    for (const QString& line : {QStringLiteral("line"), QStringLiteral("0,0"), QStringLiteral("5,0"),
                                QStringLiteral("5,5"), QString()})
        commandLine().type(line);
    EXPECT_EQ(heard, QStringList{QStringLiteral("LINE")});
    EXPECT_EQ(linesWhenHeard, 0);
    ASSERT_TRUE(waitUntil([&] { return !program->commands().busy(); }, 5000));
    ASSERT_EQ(document->modelSpace()->count(), 2);
    EXPECT_EQ(document->modelSpace()->item(1)->entityName(), QStringLiteral("AcDbLine"));
    EXPECT_TRUE(host().journal().contains(QStringLiteral("User.StartCommand LINE")));
    EXPECT_TRUE(commandLine().history().contains(QStringLiteral("Specify next point: 5,5")));
    EXPECT_TRUE(waitUntil([&] { return commandLine().prompt() == CommandLine::CommandPrompt; }, 5000));

    commandLine().type(QStringLiteral("ARC"));
    EXPECT_EQ(commandLine().history().last(), QStringLiteral("Unknown command \"ARC\".  Press F1 for help."));
    EXPECT_EQ(heard, (QStringList{"LINE", "ARC"}));
    commandLine().pressEscape();
    EXPECT_EQ(commandLine().history().last(), QStringLiteral("Command: *Cancel*"));
}

TEST_F(InProcess, TextAToolSendsShowsAndRunsAsTyped)
{
    start();
    const auto document = host().active();
    QStringList heard;
    host().subscribeBeginCommand([&](const QString& name) { heard.append(name); });
    test.files().writeText(Project + QStringLiteral("\\tools.lsp"), QStringLiteral("(princ)"));

    std::shared_ptr<cad::Document> tool = document;
    tool->sendCommand(QStringLiteral("(load \"tools\")\r_.line 0,0 3,0  ZOO"));
    EXPECT_EQ(heard, QStringList{QStringLiteral("LINE")});
    ASSERT_TRUE(waitUntil([&] { return !program->commands().busy(); }, 5000));
    EXPECT_EQ(document->modelSpace()->count(), 1);
    const QStringList history = commandLine().history();
    EXPECT_EQ(history, (QStringList{"Command: (load \"tools\")", "Loading C:\\Project\\tools.lsp", "Command: _.line",
                                    "Specify first point: 0,0", "Specify next point: 3,0", "Specify next point:"}));
    // What no Enter ended stays in the input line.
    EXPECT_EQ(commandLine().input(), QStringLiteral("ZOO"));
}

TEST_F(InProcess, TheTabsFollowTheDrawingsToolsAndThePersonOpenAndClose)
{
    start();
    hostapp::HostWindow& window = program->window();
    EXPECT_EQ(window.tabCount(), 1);
    const auto a101 = host().active();
    std::shared_ptr<cad::Document> tool = a101;
    const auto a102 = tool->open(Project + QStringLiteral("\\A102.dwg"));
    ASSERT_TRUE(waitUntil([&] { return window.tabCount() == 2; }, 5000));
    EXPECT_EQ(window.activeView()->document(), host().active());
    EXPECT_EQ(host().active()->nameRaw(), QStringLiteral("A102.dwg"));

    // The person opens one already open: it becomes active, nothing opens twice.
    test.ui().expectOpenFile(Project + QStringLiteral("\\A101.dwg"));
    window.openDrawing();
    EXPECT_EQ(host().active(), a101);
    EXPECT_EQ(window.tabCount(), 2);

    // Closing a changed drawing asks first.
    a101->modelSpace()->addLine(pt(0, 0), pt(1, 1));
    test.ui().expectMsgBox(forms::msgbox::Cancel, QStringLiteral("Save changes to A101.dwg?"));
    window.closeDrawing();
    EXPECT_EQ(window.tabCount(), 2);
    test.ui().expectMsgBox(forms::msgbox::Yes, QStringLiteral("Save changes to A101.dwg?"));
    window.closeDrawing();
    EXPECT_EQ(window.tabCount(), 1);
    EXPECT_TRUE(a101->isClosed());
    EXPECT_EQ(host().active()->nameRaw(), QStringLiteral("A102.dwg"));
    // The save the person asked for wrote the drawing.
    const auto reader = standin::Host::create(test.files());
    EXPECT_EQ(reader->openDocument(Project + QStringLiteral("\\A101.dwg"))->modelSpace()->count(), 1);

    window.saveDrawing();
    (void)a102;
}

TEST_F(InProcess, TheStatusBarShowsTheCurrentLayerAndTheViewMenuShowsModelOrTheLayout)
{
    start();
    hostapp::HostWindow& window = program->window();
    const auto drawing = host().active();
    auto& layer = testing_env::control<QLabel>(window, QStringLiteral("CurrentLayer"));
    auto& model = testing_env::control<QAction>(window, QStringLiteral("MnuModel"));
    auto& layout = testing_env::control<QAction>(window, QStringLiteral("MnuLayout"));
    EXPECT_EQ(layer.text(), QStringLiteral("Layer: 0"));
    EXPECT_TRUE(model.isChecked());
    EXPECT_EQ(layout.text(), QStringLiteral("Layout1"));

    // A tool makes another layer current: the status bar follows.
    std::shared_ptr<cad::Document> tool = drawing;
    tool->layers()->add(QStringLiteral("A-WALL"));
    tool->setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-WALL"));
    ASSERT_TRUE(waitUntil([&] { return layer.text() == QStringLiteral("Layer: A-WALL"); }, 5000));

    // The person looks at the layout, and back at model space.
    layout.trigger();
    EXPECT_EQ(drawing->activeSpace(), cad::space::Paper);
    EXPECT_TRUE(layout.isChecked());
    model.trigger();
    EXPECT_EQ(drawing->activeSpace(), cad::space::Model);
    EXPECT_TRUE(model.isChecked());

    // Choosing the layout while a viewport is worked in keeps the viewport.
    tool->setActiveSpace(cad::space::Paper);
    tool->paperSpace()->addPViewport(pt(100, 100), 80, 60);
    tool->setMSpace(true);
    window.syncDocuments();
    EXPECT_TRUE(layout.isChecked());
    layout.trigger();
    EXPECT_TRUE(drawing->mSpace());

    // With no drawing open there is no layer and nothing to show.
    test.ui().expectMsgBox(forms::msgbox::No, QStringLiteral("Save changes to A101.dwg?"));
    window.closeDrawing();
    EXPECT_EQ(window.tabCount(), 0);
    EXPECT_EQ(layer.text(), QString());
    EXPECT_FALSE(model.isEnabled());
    EXPECT_FALSE(layout.isEnabled());
}

TEST_F(InProcess, PlotsWrittenToThePlotFolderAreListedAndOpenInTheViewer)
{
    start();
    hostapp::PlotList& plots = program->window().plotList();
    EXPECT_TRUE(test.files().folderExists(Project + QStringLiteral("\\Plots")));
    EXPECT_TRUE(plots.files().isEmpty());
    test.files().writeAll(Project + QStringLiteral("\\Plots\\A101-Layout1.pdf"), "%PDF-1.4");
    test.files().writeAll(Project + QStringLiteral("\\Plots\\notes.txt"), "not a plot");
    ASSERT_TRUE(waitUntil([&] { return !plots.files().isEmpty(); }, 5000));
    EXPECT_EQ(plots.files(), QStringList{QStringLiteral("A101-Layout1.pdf")});

    auto* list = plots.findChild<QListWidget*>(QStringLiteral("Plots"));
    ASSERT_TRUE(list);
    emit list->itemActivated(list->item(0));
    const auto opened = test.shell().callsOf(shell::ShellCall::Kind::OpenDocument);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].text, test.files().hostPath(Project + QStringLiteral("\\Plots\\A101-Layout1.pdf")));
}

TEST_F(InProcess, AToolsPlotIsAPageInThePlotListAndASavedDrawingCarriesItsThumbnail)
{
    start();
    const auto a101 = host().active();
    a101->setActiveSpace(cad::space::Paper);
    const auto layout = a101->activeLayout();
    layout->setConfigName(QStringLiteral("Office Laser.pc3"));
    layout->setCanonicalMediaName(QStringLiteral("Letter_(8.50_x_11.00_Inches)"));
    a101->paperSpace()->addLine(pt(0, 0), pt(8.5, 11));

    a101->plot()->plotToDevice();
    hostapp::PlotList& plots = program->window().plotList();
    ASSERT_TRUE(waitUntil([&] { return !plots.files().isEmpty(); }, 5000));
    ASSERT_EQ(plots.files().size(), 1);
    EXPECT_TRUE(plots.files()[0].startsWith(QStringLiteral("A101"))) << plots.files()[0].toStdString();
    EXPECT_TRUE(test.files().readAll(Project + QStringLiteral("\\Plots\\") + plots.files()[0]).startsWith("%PDF"));

    // The head's image block holds records (a header and a bitmap) once the
    // host has saved the drawing: the project browser shows a real preview.
    a101->save();
    const QByteArray file = test.files().readAll(Project + QStringLiteral("\\A101.dwg"));
    ASSERT_GT(file.size(), 60);
    const qint32 image = qFromLittleEndian<qint32>(file.constData() + 13);
    ASSERT_GT(image, 0);
    ASSERT_LT(image + 21, file.size());
    EXPECT_GE(int(static_cast<unsigned char>(file[image + 20])), 2);
}

TEST_F(InProcess, ASecondHostOnTheSameSocketDoesNotStart)
{
    start();
    hostapp::HostOptions options;
    options.project = Project;
    HostProgram second(test.env(), options);
    QString problem;
    EXPECT_FALSE(second.start(&problem, sockets.path() + QStringLiteral("/cad-host")));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_TRUE(program->server().isListening());
}

}  // namespace
