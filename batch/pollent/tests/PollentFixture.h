#pragma once
// Pollent over a test environment: drive C in a temporary folder (the program
// in C:\Program), a stand-in host running with one new drawing open, the
// example project's drawings in C:\Pollent, and a second host of the test's
// own that reads drawings back from disk.

#include "batch/pollent/About.h"
#include "batch/pollent/BatchForm1.h"
#include "batch/pollent/BatchForm3.h"
#include "batch/pollent/FrmBatchSettings.h"
#include "batch/pollent/FrmCancel.h"
#include "batch/pollent/OptionSet.h"
#include "batch/pollent/Session.h"
#include "examples/ExampleProject.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable strings in the failures of QString comparisons.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pollent::test {

namespace msgbox = forms::msgbox;
using Kind = forms::ScriptedInteraction::Kind;

inline const QString Project = QStringLiteral("C:\\Pollent");
inline QString inProject(const QString& file) { return Project + u'\\' + file; }

class PollentTest : public ::testing::Test {
protected:
    // First, so that it outlives everything that uses it.
    mutable testing_env::TestEnvironment t{QStringLiteral("POLLEN~1")};

    PollentTest() : host(t.startHost()), probe(standin::Host::create(t.files()))
    {
        host->addDocument();
        examples::ExampleProject(t.files(), Project).write();
        setProjectFolder(Project);
    }

    // The host's template drawing folder, which Pollent takes as the project.
    void setProjectFolder(const QString& folder)
    {
        standin::ProfileState profile = host->context().profile();
        profile.templateDwgPath = folder;
        host->context().setProfile(profile);
    }

    // The main window, loaded as the program loads it.
    BatchForm1& load()
    {
        form = std::make_unique<BatchForm1>(session);
        t.dispatcher().run([this] {
            form->show();
        });
        return *form;
    }

    // Drawings handed to the list as the picker hands them.
    void list(const QStringList& paths)
    {
        for (const QString& path : paths) {
            form->Batchlist1sub(path);
        }
    }

    // The option set as the options form would leave it, with its operation list.
    void operations(const std::function<void(OptionSet&)>& set)
    {
        set(form->session().options);
        form->batchlist();
    }

    void run() { menuItem(QStringLiteral("MnuRunProcessor")).trigger(); }

    // Controls by their given names.
    QAction& menuItem(const QString& name) const { return testing_env::control<QAction>(*form, name); }
    static QPushButton& button(const QWidget& window, const QString& name)
    {
        return testing_env::control<QPushButton>(window, name);
    }
    static QCheckBox& check(const QWidget& window, const QString& name)
    {
        return testing_env::control<QCheckBox>(window, name);
    }
    static QLineEdit& edit(const QWidget& window, const QString& name)
    {
        return testing_env::control<QLineEdit>(window, name);
    }
    static QLineEdit& edit(const QWidget& window, const QString& name, int index)
    {
        return testing_env::control<QLineEdit>(window, name, index);
    }
    // Clicks the boxes of the window in turn.
    static void tick(const QWidget& window, const QStringList& boxes)
    {
        for (const QString& name : boxes)
            check(window, name).click();
    }
    QPushButton& cancelButton() const { return button(form->frmCancel(), QStringLiteral("cmdCancel")); }
    QListWidget& logList() const { return testing_env::control<QListWidget>(form->frmCancel(), QStringLiteral("LstLog")); }
    QTreeView& listView(const QString& name) const { return testing_env::control<QTreeView>(*form, name); }

    // The answer to the closing question, queued before a run that finishes.
    void expectDone(int answer = msgbox::No) { t.ui().expectMsgBox(answer, QStringLiteral("View Pollent Log")); }

    QStringList log() const { return form->frmCancel().lines(); }

    int sdi() const { return host->context().appVariable(QStringLiteral("SDI")).toInt(); }
    void setSdi(int value) { host->context().setAppVariable(QStringLiteral("SDI"), value); }

    QByteArray bytes(const QString& path) { return t.files().readAll(path); }

    // A drawing as it is on disk.
    std::shared_ptr<standin::Document> onDisk(const QString& path) { return probe->openDocument(path); }

    // "TAG=text" of every attribute of the block's references in paper space.
    static QStringList attributes(const cad::Document& drawing, const QString& block)
    {
        QStringList found;
        for (const auto& entity : drawing.paperSpace()->items()) {
            if (entity->entityType() != cad::entityType::BlockReference || entity->name() != block)
                continue;
            for (const auto& attribute : entity->getAttributes())
                found.append(attribute->tagString() + u'=' + attribute->textString());
        }
        return found;
    }

    static QStringList blockNames(const cad::Document& drawing)
    {
        QStringList names;
        for (const auto& block : drawing.blocks()->items())
            names.append(block->name() + (block->isXRef() ? QStringLiteral(" (xref)") : QString()));
        return names;
    }

    // Message boxes shown, as "text|caption|style".
    QStringList boxes() const
    {
        QStringList shown;
        for (const auto& record : t.ui().records()) {
            if (record.kind == Kind::MsgBox)
                shown.append(QStringLiteral("%1|%2|%3").arg(record.text, record.caption).arg(record.style));
        }
        return shown;
    }

    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Host> probe;
    Session session{t.env()};
    std::unique_ptr<BatchForm1> form;
};

}  // namespace pollent::test
