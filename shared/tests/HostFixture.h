#pragma once
// A fresh program environment per test over the shared test environment: the
// program in C:\Tools, a stand-in CAD host registered as running with no
// drawing open, a manual clock and a scripted interaction whose unexpected
// boxes fail the test at once.

#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/TestEnvironment.h"

#include <gtest/gtest.h>
#include <memory>

namespace suite::test {

class HostFixture : public ::testing::Test {
protected:
    HostFixture() : host(t.startHost()) { program.path = QStringLiteral("C:\\Tools"); }

    // The message boxes shown so far, as "text|style|caption".
    QStringList boxes() const
    {
        QStringList shown;
        for (const auto& r : ui.records())
            if (r.kind == forms::ScriptedInteraction::Kind::MsgBox)
                shown.append(r.text + u'|' + QString::number(r.style) + u'|' + r.caption);
        return shown;
    }

    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("Tool")};
    files::FileSystem& files = t.files();
    std::shared_ptr<standin::Host> host;
    cad::HostRegistry& hosts = t.hosts();
    runtime::Program& program = t.program();
    runtime::ManualClock& clock = t.clock();
    forms::ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
};

}  // namespace suite::test
