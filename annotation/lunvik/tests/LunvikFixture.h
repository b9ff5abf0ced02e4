#pragma once
// Lunvik over the test environment: a stand-in host with one drawing holding
// a line and dimensions of every kind the host has, scripted boxes and picks
// whose surprises fail the test.

#include "annotation/lunvik/FrmMain.h"
#include "annotation/lunvik/MdlMain.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace lunvik::test {

using EntityPtr = std::shared_ptr<cad::Entity>;

class LunvikTest : public ::testing::Test {
protected:
    LunvikTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        drawing->dimStyles()->add(QStringLiteral("Arch"));
        drawing->dimStyles()->add(QStringLiteral("Metric"));
        const auto space = drawing->modelSpace();
        line = space->addLine({0, 0, 0}, {10, 0, 0});
        aligned = space->addDimAligned({0, 0, 0}, {4, 0, 0}, {2, 1, 0});
        rotated = space->addDimRotated({0, 0, 0}, {0, 4, 0}, {1, 2, 0}, 1.5707963267948966);
        host->journal().clear();
    }
    ~LunvikTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

    FrmMain& start()
    {
        module = std::make_unique<MdlMain>(env);
        form = std::make_unique<FrmMain>(*module);
        dispatcher.run([&] { form->show(); });
        return *form;
    }

    template <typename T>
    T& control(const QString& name)
    {
        return testing_env::control<T>(*form, name);
    }
    void choose(const QString& name) { control<QRadioButton>(name).click(); }
    // Picks the objects on screen through Select.
    void select(const std::vector<EntityPtr>& picked)
    {
        user.selection(picked);
        control<QPushButton>(QStringLiteral("CmdSelect")).click();
    }

    testing_env::TestEnvironment t{QStringLiteral("Lunvik")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    forms::ScriptedInteraction& ui = t.ui();
    standin::ScriptedUser& user = t.user();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    EntityPtr line, aligned, rotated;
    std::unique_ptr<MdlMain> module;
    std::unique_ptr<FrmMain> form;
};

}  // namespace lunvik::test
