#pragma once
// Pemmit over the test environment: a stand-in host with one drawing holding
// texts and a line in model space and a text in paper space, the style
// ROMANS, scripted boxes and picks whose surprises fail the test.

#include "annotation/pemmit/FrmMain.h"
#include "annotation/pemmit/Session.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace pemmit::test {

using EntityPtr = std::shared_ptr<cad::Entity>;

class PemmitTest : public ::testing::Test {
protected:
    PemmitTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        drawing->textStyles()->add(QStringLiteral("ROMANS"));
        const auto model = drawing->modelSpace();
        text = model->addText(QStringLiteral("NOTE"), {1, 1, 0}, 0.25);
        mtext = model->addMText({2, 2, 0}, 5, QStringLiteral("Paragraph"));
        line = model->addLine({0, 0, 0}, {10, 0, 0});
        sheetText = drawing->paperSpace()->addText(QStringLiteral("TITLE"), {3, 3, 0}, 0.2);
        host->journal().clear();
    }
    ~PemmitTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

    // The window as the program shows it; its timer is ticked by hand.
    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(session);
        dispatcher.run([&] { form->show(); });
        if (!dispatcher.ended())
            timer().setEnabled(false);
        return *form;
    }

    template <typename T>
    T& control(const QString& name)
    {
        return testing_env::control<T>(*form, name);
    }
    QPushButton& button(const QString& name) { return control<QPushButton>(name); }
    forms::Timer& timer() { return control<forms::Timer>(QStringLiteral("Timer1")); }
    void enterHeight(const QString& height) { control<QComboBox>(QStringLiteral("Cmbheight")).setEditText(height); }
    void enterStyle(const QString& style) { control<QComboBox>(QStringLiteral("CmbFont")).setEditText(style); }
    void selectText(const std::vector<EntityPtr>& picked)
    {
        user.selection(picked);
        button(QStringLiteral("CmdSelect")).click();
    }

    testing_env::TestEnvironment t{QStringLiteral("Pemmit")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    forms::ScriptedInteraction& ui = t.ui();
    standin::ScriptedUser& user = t.user();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    Session session{env};
    EntityPtr text, mtext, line, sheetText;
    std::unique_ptr<FrmMain> form;
};

}  // namespace pemmit::test
