#pragma once
// Sections over the test environment: a stand-in host with one drawing open
// in model space, scripted boxes and picks whose surprises fail the test, and
// the window shown and attached as its first timer tick attaches it.

#include "annotation/sections/FrmMain.h"
#include "annotation/sections/MdlMain.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace sections::test {

// What the marker drew, read from the entities' shapes.
struct Drawn : standin::ShapeVisitor {
    std::vector<standin::LineShape> lines;
    std::vector<standin::LeaderShape> leaders;
    std::vector<standin::TextShape> texts;
    QStringList layers;

    void line(const standin::EntityBase& e, const standin::LineShape& s) override { lines.push_back(s); note(e); }
    void leader(const standin::EntityBase& e, const standin::LeaderShape& s) override
    {
        leaders.push_back(s);
        note(e);
    }
    void text(const standin::EntityBase& e, const standin::TextShape& s) override { texts.push_back(s); note(e); }
    void note(const standin::EntityBase& e) { layers.append(e.layerName()); }
};

class SectionsTest : public ::testing::Test {
protected:
    SectionsTest() : host(t.startHost()) { drawing = host->addDocument(); }
    ~SectionsTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

    // The window as the program shows it, attached by one tick of its timer.
    FrmMain& start()
    {
        module = std::make_unique<MdlMain>(env);
        form = std::make_unique<FrmMain>(*module);
        dispatcher.run([&] { form->show(); });
        timer().fire();
        timer().setEnabled(false);  // tests tick it by hand
        host->journal().clear();
        return *form;
    }

    template <typename T>
    T& control(const QString& name)
    {
        return testing_env::control<T>(*form, name);
    }
    QLineEdit& box(const QString& name) { return control<QLineEdit>(name); }
    QComboBox& list(const QString& name) { return control<QComboBox>(name); }
    forms::Timer& timer() { return control<forms::Timer>(QStringLiteral("Timer1")); }
    void create() { control<QPushButton>(QStringLiteral("CmdCreate")).click(); }

    static Drawn drawnIn(const std::shared_ptr<cad::Block>& space)
    {
        Drawn drawn;
        for (const auto& entity : space->items())
            std::dynamic_pointer_cast<standin::EntityBase>(entity)->accept(drawn);
        return drawn;
    }
    Drawn model() { return drawnIn(drawing->modelSpace()); }
    int orthomode() { return drawing->getVariable(QStringLiteral("Orthomode")).toInt(); }
    void expectAppError(const QString& location)
    {
        ASSERT_FALSE(ui.records().isEmpty());
        EXPECT_EQ(ui.last().caption, QStringLiteral("App Error"));
        EXPECT_TRUE(ui.last().text.startsWith(QStringLiteral("Location:\t\t") + location + QStringLiteral("\r\n")))
            << ui.last().text.toStdString();
    }

    testing_env::TestEnvironment t{QStringLiteral("Sections")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    forms::ScriptedInteraction& ui = t.ui();
    standin::ScriptedUser& user = t.user();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    std::unique_ptr<MdlMain> module;
    std::unique_ptr<FrmMain> form;
};

}  // namespace sections::test
