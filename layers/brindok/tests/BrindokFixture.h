#pragma once
// Brindok over the test environment: a stand-in host with one drawing of a
// few layers and objects of every kind the palette sorts, scripted boxes and
// on-screen picks whose surprises fail the test.

#include "layers/brindok/FrmMain.h"
#include "layers/brindok/MdlMain.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>

namespace brindok::test {

using EntityPtr = std::shared_ptr<cad::Entity>;

class BrindokTest : public ::testing::Test {
protected:
    BrindokTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        for (const char* name : {"Walls", "Doors", "Notes", "Dims"})
            drawing->layers()->add(QString::fromLatin1(name));
        const auto space = drawing->modelSpace();
        line = space->addLine({0, 0, 0}, {10, 0, 0});
        line2 = space->addLine({0, 5, 0}, {10, 5, 0});
        text = space->addText(QStringLiteral("NOTE"), {1, 1, 0}, 0.25);
        mtext = space->addMText({2, 2, 0}, 5, QStringLiteral("Paragraph"));
        leader = space->addLeader({{0, 0, 0}, {3, 3, 0}}, nullptr, 2);
        aligned = space->addDimAligned({0, 0, 0}, {4, 0, 0}, {2, 1, 0});
        rotated = space->addDimRotated({0, 0, 0}, {0, 4, 0}, {1, 2, 0}, 90);
        drawing->blocks()->add({0, 0, 0}, QStringLiteral("Door"))->addLine({0, 0, 0}, {1, 0, 0});
        block = space->insertBlock({5, 5, 0}, QStringLiteral("Door"), 1, 1, 1, 0);
        host->journal().clear();
    }
    ~BrindokTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

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
    QListWidget& list() { return control<QListWidget>(QStringLiteral("ListBox1")); }
    QCheckBox& box(const QString& name) { return control<QCheckBox>(name); }
    QPushButton& select() { return control<QPushButton>(QStringLiteral("CmdSelect")); }
    QScrollBar& spin() { return control<QScrollBar>(QStringLiteral("ScrollBar1")); }

    void pickInList(const QString& name)
    {
        const auto found = list().findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list().setCurrentItem(found.first());
    }
    void mode(int value) { spin().setValue(value); }

    std::shared_ptr<cad::Layer> layer(const QString& name) { return drawing->layers()->item(name); }
    QString active() { return drawing->activeLayer()->name(); }
    // The objects' layers, in the order given.
    QStringList layersOf(const std::vector<EntityPtr>& objects)
    {
        QStringList names;
        for (const auto& object : objects)
            names.append(object->layer());
        return names;
    }
    std::vector<EntityPtr> everything() { return {line, line2, text, mtext, leader, aligned, rotated, block}; }

    testing_env::TestEnvironment t{QStringLiteral("Brindok")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    forms::ScriptedInteraction& ui = t.ui();
    standin::ScriptedUser& user = t.user();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    EntityPtr line, line2, text, mtext, leader, aligned, rotated, block;
    std::unique_ptr<MdlMain> module;
    std::unique_ptr<FrmMain> form;
};

}  // namespace brindok::test
