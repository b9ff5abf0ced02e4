#pragma once
// Sodrin over the test environment: the program in C:\Program with the
// shipped layer files beside it, a stand-in host with one drawing open, the
// settings store, scripted boxes and pop-up menus whose surprises fail the
// test.

#include "layers/sodrin/FrmLayer.h"
#include "layers/sodrin/FrmSettings.h"
#include "layers/sodrin/ModuleLayer.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace sodrin::test {

inline const QString DataDir = QStringLiteral(SODRIN_DATA_DIR);
inline const QString ProgramDir = QStringLiteral(SODRIN_PROGRAM_DIR);
inline const QStringList ShippedFiles = {"General.lay",    "Architecture.lay", "Structural.lay", "Mechanical.lay",
                                         "Process.lay",    "Electrical.lay",   "Wiring.lay"};

inline QByteArray shipped(const QString& name)
{
    QFile file(DataDir + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class SodrinTest : public ::testing::Test {
protected:
    SodrinTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        for (const QString& name : ShippedFiles)
            files.writeAll(QStringLiteral("C:\\Program\\") + name, shipped(name));
        host->journal().clear();
    }

    // A layer file of the given lines joined by CR LF.
    QString writeFile(const QString& path, const QStringList& lines)
    {
        files.writeAll(path, lines.join(QStringLiteral("\r\n")).toLatin1());
        return path;
    }

    void store(const QString& key, const QString& value) { settings.save("Sodrin", "settings", key, value); }
    QString stored(const QString& key) { return settings.get("Sodrin", "settings", key, QStringLiteral("<none>")); }

    // The program as main() starts it, the menu answered with `pick` ("" =
    // dismissed). Nothing is asked when the start fails before the menu.
    void start(const QString& pick, bool menuExpected = true)
    {
        if (menuExpected)
            ui.expectPopup(pick);
        module = std::make_unique<ModuleLayer>(env);
        frmSettings = std::make_unique<FrmSettings>(*module);
        frmLayer = std::make_unique<FrmLayer>(*module, *frmSettings);
        dispatcher.run([&] { frmLayer->show(); });
    }

    // The settings form on its own, as the menu's "Settings" opens it.
    FrmSettings& openSettings()
    {
        module = std::make_unique<ModuleLayer>(env);
        module->connection().application = host;
        module->connection().document = drawing;
        module->layerPath = settings.get("Sodrin", "settings", "LayerPath");
        frmSettings = std::make_unique<FrmSettings>(*module);
        dispatcher.run([&] { frmSettings->show(); });
        return *frmSettings;
    }

    // The captions the last pop-up menu offered.
    QStringList menuItems() const
    {
        const auto& records = ui.records();
        for (auto record = records.rbegin(); record != records.rend(); ++record)
            if (record->kind == forms::ScriptedInteraction::Kind::Popup)
                return record->items;
        return {};
    }

    std::shared_ptr<cad::Layer> layer(const QString& name) { return drawing->layers()->item(name); }
    bool hasLayer(const QString& name)
    {
        for (const auto& each : drawing->layers()->items())
            if (each->name().compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
    QString active() { return drawing->activeLayer()->name(); }

    template <typename T>
    T& control(const QObject& form, const QString& name)
    {
        return testing_env::control<T>(form, name);
    }

    testing_env::TestEnvironment t{QStringLiteral("Sodrin")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    files::FileSystem& files = t.files();
    settings::Store& settings = t.settings();
    forms::ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    std::unique_ptr<ModuleLayer> module;
    std::unique_ptr<FrmSettings> frmSettings;
    std::unique_ptr<FrmLayer> frmLayer;
};

inline const QString BadFile = QStringLiteral("Warning!!! Bad Layer Type (Sample: (obj,1,countinous,)...");

}  // namespace sodrin::test
