#pragma once
// A fresh program environment per test: drive C in a temporary folder, a
// stand-in CAD host registered as running with no drawing open, a manual clock
// and a scripted interaction whose unexpected boxes fail the test at once.

#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/env/Environment.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/ManualClock.h"
#include "platform/runtime/Program.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace suite::test {

class HostFixture : public ::testing::Test {
protected:
    HostFixture() : files(driveC(temp)), host(standin::Host::create(files))
    {
        program.title = QStringLiteral("Tool");
        program.path = QStringLiteral("C:\\Tools");
        ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        hosts.registerRunning(cad::HostClassName, host);
    }

    ~HostFixture() override { EXPECT_EQ(ui.pending(), 0) << "scripted interactions were never shown"; }

    static files::DriveTable driveC(const QTemporaryDir& dir)
    {
        QDir(dir.path()).mkdir(QStringLiteral("c"));
        files::DriveTable table;
        table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
        return table;
    }

    // The message boxes shown so far, as "text|style|caption".
    QStringList boxes() const
    {
        QStringList shown;
        for (const auto& r : ui.records())
            if (r.kind == forms::ScriptedInteraction::Kind::MsgBox)
                shown.append(r.text + u'|' + QString::number(r.style) + u'|' + r.caption);
        return shown;
    }

    QTemporaryDir temp;
    files::FileSystem files;
    std::shared_ptr<standin::Host> host;
    cad::HostRegistry hosts;
    runtime::Program program;
    runtime::ManualClock clock;
    forms::ScriptedInteraction ui{QStringLiteral("Tool")};
    forms::Dispatcher dispatcher{ui};
    env::Environment env{
        .program = &program, .clock = &clock, .files = &files, .ui = &ui, .dispatcher = &dispatcher, .hosts = &hosts};
};

}  // namespace suite::test
