#pragma once
// Orbessa over the test environment: a stand-in host with one drawing of a
// few texts, a paragraph text and a line, scripted boxes and picks whose
// surprises fail the test.

#include "annotation/orbessa/FrmText.h"
#include "annotation/orbessa/Session.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace orbessa::test {

using EntityPtr = std::shared_ptr<cad::Entity>;

inline cad::Point pt(double x, double y, double z = 0) { return {x, y, z}; }

class OrbessaTest : public ::testing::Test {
protected:
    OrbessaTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        const auto space = drawing->modelSpace();
        text = space->addText(QStringLiteral("LEFT"), pt(10, 20), 0.25);
        text2 = space->addText(QStringLiteral("OTHER"), pt(12, 30), 0.25);
        mtext = space->addMText(pt(2, 2), 5, QStringLiteral("Paragraph"));
        line = space->addLine(pt(0, 0), pt(10, 0));
        host->journal().clear();
    }
    ~OrbessaTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

    FrmText& start()
    {
        form = std::make_unique<FrmText>(session);
        dispatcher.run([&] { form->show(); });
        return *form;
    }

    template <typename T>
    T& control(const QString& name)
    {
        return testing_env::control<T>(*form, name);
    }
    QRadioButton& option(const QString& name, int index) { return testing_env::control<QRadioButton>(*form, name, index); }
    QPushButton& button(const QString& name) { return control<QPushButton>(name); }
    // Picks the objects on screen through the named button.
    void pickWith(const QString& name, const std::vector<EntityPtr>& picked)
    {
        user.selection(picked);
        button(name).click();
    }
    QStringList setNames()
    {
        QStringList names;
        for (const auto& set : drawing->selectionSets()->items())
            names.append(set->name());
        return names;
    }

    testing_env::TestEnvironment t{QStringLiteral("Orbessa")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    forms::ScriptedInteraction& ui = t.ui();
    standin::ScriptedUser& user = t.user();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    Session session{env};
    EntityPtr text, text2, mtext, line;
    std::unique_ptr<FrmText> form;
};

}  // namespace orbessa::test
