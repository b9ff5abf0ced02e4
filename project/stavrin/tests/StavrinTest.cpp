// Stavrin: the template list of the folder in use, the folder chosen with
// "&Setup", and the new drawing started from the selected template.
#include "platform/cad/CadErrors.h"

#include "platform/testing/LayoutCheck.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"
#include "project/stavrin/FrmMain.h"
#include "project/stavrin/MdlMain.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace stavrin;
using testing_env::control;
namespace msgbox = forms::msgbox;

namespace {

const QString Templates = QStringLiteral("P:\\Projects\\1234\\DwgTemplates");

class StavrinTest : public ::testing::Test {
protected:
    testing_env::TestEnvironment t{QStringLiteral("Stavrin")};

    StavrinTest() : host(t.startHost()), writer(standin::Host::create(t.files()))
    {
        document = host->addDocument();
        t.drive(QStringLiteral("P"));
        for (const char* folder : {"P:\\Projects", "P:\\Projects\\1234", "P:\\Projects\\1234\\DwgTemplates", "P:\\Other"})
            t.files().makeFolder(QLatin1String(folder));
    }

    // A template the host can start a drawing from: one line in model space.
    void drawingTemplate(const QString& path)
    {
        const auto d = writer->addDocument();
        d->modelSpace()->addLine(cad::Point{0, 0, 0}, cad::Point{1, 2, 0});
        d->saveAs(path);
        writer->closeDocument(d);
    }
    void file(const QString& path) { t.files().writeAll(path, "x"); }

    void setTemplatePath(const QString& path)
    {
        standin::ProfileState state = host->context().profile();
        state.templateDwgPath = path;
        host->context().setProfile(state);
    }
    QString location() { return t.settings().get(QStringLiteral("Stavrin"), QStringLiteral("Settings"), QStringLiteral("Location")); }
    void setLocation(const QString& folder)
    {
        t.settings().save(QStringLiteral("Stavrin"), QStringLiteral("Settings"), QStringLiteral("Location"), folder);
    }

    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(main);
        t.dispatcher().run([&] { form->show(); });
        return *form;
    }
    QListWidget& list() { return control<QListWidget>(*form, QStringLiteral("LstTemp")); }
    QStringList shown()
    {
        QStringList names;
        for (int i = 0; i < list().count(); ++i)
            names.append(list().item(i)->text());
        return names;
    }
    void select(const QString& name)
    {
        const auto found = list().findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list().setCurrentItem(found.first());
    }
    void click(const char* name)
    {
        t.dispatcher().run([&] { control<QPushButton>(*form, QLatin1String(name)).click(); });
    }

    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Host> writer;
    std::shared_ptr<standin::Document> document;
    MdlMain main{t.env()};
    std::unique_ptr<FrmMain> form;
};

using TemplateList = StavrinTest;

TEST_F(TemplateList, ShowsEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(start(), QStringLiteral("stavrin-main")), QStringList());
}

TEST_F(TemplateList, TheHostsTemplatePathListsNamesEndingInDwtOrDWTOnly)
{
    setTemplatePath(Templates);
    // Names differ in more than case: the drives find names without regard to it.
    for (const char* name : {"a.DWT", "b.dwt", "c.Dwt", "notadwt", "plan.dwg", "notes.txt", ".hidden.dwt"})
        file(Templates + u'\\' + QLatin1String(name));
    t.files().makeFolder(Templates + QStringLiteral("\\folder.dwt"));
    FrmMain& f = start();
    EXPECT_EQ(f.caption(), QStringLiteral("Drawing Templates (.dwt)"));
    EXPECT_EQ(f.folder(), Templates + u'\\');
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("a.DWT"), QStringLiteral("b.dwt"), QStringLiteral("notadwt")}));
    EXPECT_EQ(f.templates(), shown());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(TemplateList, AStoredFolderComesFirst)
{
    setTemplatePath(Templates);
    file(Templates + QStringLiteral("\\project.dwt"));
    file(QStringLiteral("P:\\Other\\other.dwt"));
    setLocation(QStringLiteral("P:\\Other\\"));
    start();
    EXPECT_EQ(shown(), QStringList{QStringLiteral("other.dwt")});
}

TEST_F(TemplateList, NoFolderAtAllListsNothingRatherThanADrivesRoot)
{
    file(QStringLiteral("C:\\root.dwt"));
    file(QStringLiteral("P:\\root.dwt"));
    FrmMain& f = start();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(f.folder(), QString());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(TemplateList, AMissingFolderListsNothingAndSaysNothing)
{
    setTemplatePath(QStringLiteral("P:\\Projects\\9999\\DwgTemplates"));
    start();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

using SetupButton = StavrinTest;

TEST_F(SetupButton, AChosenFolderIsStoredWithOneSeparatorAndReplacesTheList)
{
    setTemplatePath(Templates);
    file(Templates + QStringLiteral("\\a.dwt"));
    file(QStringLiteral("P:\\Other\\b.dwt"));
    file(QStringLiteral("C:\\c.dwt"));
    start();
    EXPECT_EQ(shown(), QStringList{QStringLiteral("a.dwt")});

    t.ui().expectFolder(QStringLiteral("P:\\Other"));
    click("CmdSettings");
    EXPECT_EQ(t.ui().last().title, QStringLiteral("C:\\   Location of Templates"));
    EXPECT_EQ(location(), QStringLiteral("P:\\Other\\"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("b.dwt")});

    t.ui().expectFolder(QStringLiteral("C:\\"));
    click("CmdSettings");
    EXPECT_EQ(location(), QStringLiteral("C:\\"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("c.dwt")});
    EXPECT_EQ(form->folder(), QStringLiteral("C:\\"));
}

TEST_F(SetupButton, ACancelledBrowserSaysSoAndChangesNothing)
{
    setLocation(QStringLiteral("P:\\Other\\"));
    file(QStringLiteral("P:\\Other\\b.dwt"));
    start();
    t.ui().expectFolder(QString());
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Canceled..."));
    click("CmdSettings");
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Stavrin"));
    EXPECT_EQ(location(), QStringLiteral("P:\\Other\\"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("b.dwt")});
}

using NewDrawing = StavrinTest;

TEST_F(NewDrawing, OkWithNothingSelectedSaysSoAndStaysOpen)
{
    setTemplatePath(Templates);
    drawingTemplate(Templates + QStringLiteral("\\plan.dwt"));
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Template Selected"));
    click("CmdOK");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_FALSE(t.dispatcher().ended());
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Documents.Add")).isEmpty());
}

TEST_F(NewDrawing, InSeveralDocumentModeTheTemplateIsAddedAsANewDocumentAndTheProgramEnds)
{
    setTemplatePath(Templates);
    drawingTemplate(Templates + QStringLiteral("\\plan.dwt"));
    start();
    select(QStringLiteral("plan.dwt"));
    click("CmdOK");
    EXPECT_EQ(host->journal().matching(QStringLiteral("Documents.Add")),
              QStringList{QStringLiteral("Documents.Add P:\\Projects\\1234\\DwgTemplates\\plan.dwt")});
    EXPECT_EQ(host->documentList().size(), 2u);
    EXPECT_EQ(host->activeDocument()->modelSpace()->count(), 1);
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(NewDrawing, InSingleDocumentModeTheActiveDocumentStartsAgainFromTheTemplate)
{
    setTemplatePath(Templates);
    drawingTemplate(Templates + QStringLiteral("\\plan.dwt"));
    document->setVariable(QStringLiteral("SDI"), 1);
    start();
    select(QStringLiteral("plan.dwt"));
    t.dispatcher().run([&] { emit list().itemDoubleClicked(list().currentItem()); });
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.New")),
              QStringList{QStringLiteral("Document.New P:\\Projects\\1234\\DwgTemplates\\plan.dwt")});
    EXPECT_EQ(host->documentList().size(), 1u);
    EXPECT_EQ(document->modelSpace()->count(), 1);
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(NewDrawing, ATemplateTheHostRefusesIsReportedAndRetryOrIgnoreActOnTheStep)
{
    setTemplatePath(Templates);
    file(Templates + QStringLiteral("\\broken.dwt"));  // not a drawing the host can read
    start();
    select(QStringLiteral("broken.dwt"));
    t.ui().expectMsgBox(msgbox::Retry, QStringLiteral("Location: NewDrawing"));
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral("Location: NewDrawing"));
    click("CmdOK");
    EXPECT_EQ(host->journal().matching(QStringLiteral("Documents.Add")).size(), 2);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(NewDrawing, WithoutTheHostTheReportSaysSoAndTheProgramEnds)
{
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
    start();
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Error# 429"));
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(NewDrawing, ExitEndsWithoutANewDrawing)
{
    start();
    click("CmdExit");
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Documents.Add")).isEmpty());
    EXPECT_FALSE(main.connection.document);
}

}  // namespace
