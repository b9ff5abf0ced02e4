#pragma once
// Ploven over the test environment: a stand-in host with one drawing open, a
// folder of files on drive C:, the program started as main() starts it, and
// scripted boxes and pop-up menus whose surprises fail the test.

#include "launchers/ploven/ModuleAlisp.h"
#include "launchers/ploven/Qel_Ploven.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ploven::test {

class PlovenTest : public ::testing::Test {
protected:
    PlovenTest()
    {
        host = t.startHost();
        drawing = host->addDocument();
        host->journal().clear();
    }

    // Files (empty) in a folder of drive C:, made with its parents.
    void makeFiles(const QString& folder, const QStringList& names)
    {
        QString path;
        for (const QString& part : folder.split(u'\\', Qt::SkipEmptyParts)) {
            path += part + u'\\';
            if (!t.files().folderExists(path))
                t.files().makeFolder(path);
        }
        for (const QString& name : names)
            t.files().writeText(path + name, "(princ)");
    }

    void storeLocation(const QString& location) { t.settings().save("Ploven", "settings", "Location", location); }
    QString storedLocation() { return t.settings().get("Ploven", "settings", "Location", "<none>"); }

    // The program as main() starts it.
    void start() { t.dispatcher().run([&] { module.Main(form); }); }

    QListWidget& list() { return testing_env::control<QListWidget>(form, "ListAlisp"); }
    QStringList listed()
    {
        QStringList names;
        for (int row = 0; row < list().count(); ++row)
            names.append(list().item(row)->text());
        return names;
    }
    void select(const QString& name)
    {
        const auto found = list().findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list().setCurrentItem(found.first());
    }
    void click(const QString& name) { testing_env::control<QPushButton>(form, name).click(); }
    QStringList sent() const { return host->journal().matching("Document.SendCommand"); }

    testing_env::TestEnvironment t{QStringLiteral("PLOVEN~1")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    ModuleAlisp module{t.env()};
    Qel_Ploven form{module};
};

}  // namespace ploven::test
