#include "StandinFixture.h"

#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/EmbeddedHost.h"
#include "platform/cad/standin/PointDialog.h"
#include "platform/cad/standin/ProfileFile.h"
#include "platform/cad/standin/SelectionDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace standin;
using namespace standin::test;

namespace {

// Sets the environment variable for the test's duration.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : name_(name), saved_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray saved_;
    bool had_;
};

void clickOk(QDialog& dialog)
{
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class Embedded : public StandinTest {
protected:
    QString folder() const { return temp.path() + QStringLiteral("/standin"); }

    cad::HostRegistry registry;
};

TEST_F(Embedded, WithoutTheVariableNothingIsRegistered)
{
    ScopedVariable unset(EmbeddedHost::FolderVariable, QString());
    EXPECT_EQ(EmbeddedHost::startFromEnvironment(fs, registry), nullptr);
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);

    ScopedVariable missing(EmbeddedHost::FolderVariable, folder());
    EXPECT_EQ(EmbeddedHost::startFromEnvironment(fs, registry), nullptr);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));
}

TEST_F(Embedded, StartsWithADrawingAndKeepsProfileAndChangesBetweenRuns)
{
    QDir().mkpath(folder());
    {
        ScopedVariable set(EmbeddedHost::FolderVariable, folder());
        const auto embedded = EmbeddedHost::startFromEnvironment(fs, registry);
        ASSERT_NE(embedded, nullptr);
        const auto application = registry.getObject(QStringLiteral("AutoCAD.Application"));
        EXPECT_EQ(application, embedded->host());
        const auto document = application->activeDocument();
        EXPECT_EQ(document->fullName(), folder() + QStringLiteral("\\Drawing1.dwg"));
        EXPECT_TRUE(fs.fileExists(folder() + QStringLiteral("/acad.lin")));
        EXPECT_EQ(application->preferences()->files()->templateDwgPath(), folder());

        document->linetypes()->load(QStringLiteral("CENTER"), QStringLiteral("acad.lin"));
        document->setVariable(QStringLiteral("SDI"), 1);
        application->preferences()->files()->setTemplateDwgPath(QStringLiteral("P:\\Projects\\1234"));
    }
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));

    EmbeddedHost again(fs, registry, folder(), std::make_unique<ScriptedUser>());
    const auto document = again.host()->activeDocument();
    EXPECT_NO_THROW(document->linetypes()->item(QStringLiteral("CENTER")));
    EXPECT_EQ(document->getVariable(QStringLiteral("SDI")).toInt(), 1);
    EXPECT_EQ(again.host()->preferences()->files()->templateDwgPath(), QStringLiteral("P:\\Projects\\1234"));
}

TEST_F(Embedded, DrawingThatFailsToOpenIsNeverOverwritten)
{
    QDir().mkpath(folder());
    fs.writeAll(folder() + QStringLiteral("/Drawing1.dwg"), "not a drawing");
    fs.writeText(folder() + QStringLiteral("/") + ProfileFile::FileName, QStringLiteral("SDI=7\n"));
    {
        EmbeddedHost embedded(fs, registry, folder(), std::make_unique<ScriptedUser>());
        const auto document = embedded.host()->activeDocument();
        EXPECT_EQ(document->fullName(), QString());
        EXPECT_EQ(document->getVariable(QStringLiteral("SDI")).toInt(), 0);
        document->modelSpace()->addLine(pt(0, 0), pt(1, 1));
    }
    EXPECT_EQ(fs.readAll(folder() + QStringLiteral("/Drawing1.dwg")), QByteArray("not a drawing"));
}

TEST_F(Embedded, WhatAToolStillHoldsOfAnEndedHostIsGone)
{
    QDir().mkpath(folder());
    std::shared_ptr<cad::Application> application;
    std::shared_ptr<cad::Document> document;
    std::shared_ptr<cad::Entity> line;
    {
        EmbeddedHost embedded(fs, registry, folder(), std::make_unique<ScriptedUser>());
        application = registry.getObject(cad::HostClassName);
        document = application->activeDocument();
        line = document->modelSpace()->addLine(pt(0, 0), pt(1, 1));
    }
    // The unsaved line was saved before the end.
    EXPECT_NE(fs.readAll(folder() + QStringLiteral("/Drawing1.dwg")).indexOf("LINE\t"), -1);
    EXPECT_EQ(errorOf([&] { application->activeDocument(); }), cad::err::RpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { document->name(); }), cad::err::RpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { line->layer(); }), cad::err::RpcServerUnavailable);
}

TEST(PointDialogAnswers, TypedPointEmptyLineAndCancel)
{
    PointDialog typed(QStringLiteral("Pick First Point:"), std::nullopt);
    QTimer::singleShot(0, &typed, [&] {
        typed.entry()->setText(QStringLiteral("nonsense"));
        clickOk(typed);  // refused: the dialog stays
        typed.entry()->setText(QStringLiteral("1.5, 2"));
        clickOk(typed);
    });
    const PointAnswer point = typed.ask();
    EXPECT_EQ(point.kind, PointAnswer::Kind::Point);
    EXPECT_EQ(point.point, pt(1.5, 2));
    EXPECT_TRUE(point.typed) << "typed coordinates, which ortho mode leaves alone";

    PointDialog empty(QStringLiteral("Next Point"), pt(0, 0));
    QTimer::singleShot(0, &empty, [&] { clickOk(empty); });
    EXPECT_EQ(empty.ask().kind, PointAnswer::Kind::Enter);

    PointDialog cancelled(QStringLiteral("Next Point"), std::nullopt);
    QTimer::singleShot(0, &cancelled, [&] { cancelled.reject(); });
    EXPECT_EQ(cancelled.ask().kind, PointAnswer::Kind::Cancel);
}

TEST_F(Embedded, SelectionDialogReturnsTheTickedObjects)
{
    const auto document = host->addDocument();
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto text = document->modelSpace()->addText(QStringLiteral("Hello"), pt(0, 0), 1);

    SelectionDialog dialog({line, text});
    ASSERT_EQ(dialog.list()->count(), 2);
    EXPECT_TRUE(dialog.list()->item(1)->text().contains(QStringLiteral("AcDbText")));
    EXPECT_TRUE(dialog.list()->item(1)->text().contains(QStringLiteral("Hello")));
    QTimer::singleShot(0, &dialog, [&] {
        dialog.list()->item(1)->setCheckState(Qt::Checked);
        clickOk(dialog);
    });
    const SelectionAnswer answer = dialog.ask();
    EXPECT_EQ(answer.lastPrompt, QStringLiteral("Select objects:"));
    ASSERT_EQ(answer.entities.size(), 1u);
    EXPECT_EQ(answer.entities[0], text);

    SelectionDialog cancelled({line});
    QTimer::singleShot(0, &cancelled, [&] { cancelled.reject(); });
    const SelectionAnswer none = cancelled.ask();
    EXPECT_EQ(none.lastPrompt, QStringLiteral("*Cancel*"));
    EXPECT_TRUE(none.entities.empty());
}
