#pragma once
// Kandrel over a test environment: the program in C:\Program beside its
// project list, a stand-in host running with one drawing open and its release
// and dialog keys in the registry, and the project window built but not yet
// loaded.

#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/ProfileKeys.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"
#include "project/kandrel/FrmMain.h"
#include "project/kandrel/FrmWizard.h"
#include "project/kandrel/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace kandrel::test {

namespace msgbox = forms::msgbox;
using testing_env::control;

inline const QString ListFile = QStringLiteral("C:\\Program\\Project.txt");

class KandrelTest : public ::testing::Test {
protected:
    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("Kandrel")};

    KandrelTest() : host(t.startHost()) { document = host->addDocument(); }

    // The host's profile paths.
    standin::ProfileState profile() const { return host->context().profile(); }
    void setSupportPath(const QString& path)
    {
        standin::ProfileState state = profile();
        state.supportPath = path;
        host->context().setProfile(state);
    }

    void writeList(const QByteArray& bytes) { t.files().writeAll(ListFile, bytes); }
    QByteArray listBytes() { return t.files().readAll(ListFile); }

    QString setting(const QString& key) { return t.settings().get(QStringLiteral("Kandrel"), QStringLiteral("Settings"), key); }
    void saveSetting(const QString& key, const QString& value)
    {
        t.settings().save(QStringLiteral("Kandrel"), QStringLiteral("Settings"), key, value);
    }

    // The window, loaded as the program loads it, with its timer left to the test.
    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(session);
        t.dispatcher().run([&] { form->show(); });
        control<forms::Timer>(*form, QStringLiteral("Timer1")).setEnabled(false);
        return *form;
    }

    template <typename T>
    T& c(const char* name) { return control<T>(*form, QLatin1String(name)); }

    // Clicks a button of the window through the dispatcher, as the user does.
    void click(const char* name) { t.dispatcher().run([&] { c<QPushButton>(name).click(); }); }

    // The list as the window shows it.
    QStringList shownList()
    {
        QStringList rows;
        QAbstractItemModel* model = c<QListView>("List1").model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append(model->index(row, 0).data().toString());
        return rows;
    }

    void selectRow(int row)
    {
        QListView& list = c<QListView>("List1");
        list.setCurrentIndex(list.model()->index(row, 0));
    }

    // Selects the entry and presses Ok.
    void choose(const QString& number)
    {
        const int row = shownList().indexOf(number);
        ASSERT_GE(row, 0) << number.toStdString();
        selectRow(row);
        click("CmdOK");
    }

    QString dialogFolder(const QString& dialog)
    {
        return standin::ProfileKeys::initialDirectory(t.registry(), profile().activeProfile, dialog);
    }

    void expectAppError(const QString& location)
    {
        ASSERT_FALSE(t.ui().records().isEmpty());
        EXPECT_EQ(t.ui().last().caption, QStringLiteral("App Error"));
        EXPECT_TRUE(t.ui().last().text.startsWith(QStringLiteral("Location:\t\t") + location + QStringLiteral("\r\n")))
            << t.ui().last().text.toStdString();
    }

    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> document;
    Session session{t.env()};
    std::unique_ptr<FrmMain> form;
};

}  // namespace kandrel::test
