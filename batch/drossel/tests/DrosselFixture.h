#pragma once
// Drossel over the test environment's stand-in host: drive C with a job folder
// of real drawing files, one of them open; the environment's settings store;
// a scripted interaction and a scripted host user whose unexpected questions
// fail the test; and a clock that the test drives.

#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/FrmAplot.h"
#include "batch/drossel/MuduleAplot.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Layout.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"
#include "shared/EditableFileList.h"

#include <gtest/gtest.h>
#include <memory>

namespace drossel::test {

using testing_env::control;

inline const QString Laser = QStringLiteral("Office Laser.pc3");
inline const QString Letter = QStringLiteral("Letter_(8.50_x_11.00_Inches)");
inline const QString Tabloid = QStringLiteral("Tabloid_(11.00_x_17.00_Inches)");
inline const QString Wide = QStringLiteral("Wide Format Plotter.pc3");
inline const QString ArchD = QStringLiteral("ARCH_D_(24.00_x_36.00_Inches)");
inline const QString MainDrawing = QStringLiteral("C:\\Jobs\\Main.dwg");

class DrosselTest : public ::testing::Test {
protected:
    DrosselTest() : host(t.startHost())
    {
        files.makeFolder(QStringLiteral("C:\\Jobs"));
        writeDrawing(MainDrawing);
        document = host->openDocument(MainDrawing);
        document->activeLayout()->setStyleSheet(QStringLiteral("monochrome.ctb"));
        document->save();
        host->journal().clear();
    }

    ~DrosselTest() override { EXPECT_EQ(user.remaining(), 0) << "scripted picks were not asked for"; }

    // A new drawing saved under the path and closed again.
    void writeDrawing(const QString& path)
    {
        const std::shared_ptr<standin::Document> drawing = host->addDocument();
        drawing->saveAs(path);
        host->closeDocument(drawing);
    }

    QString setting(const QString& key, const QString& defaultValue = QStringLiteral("<none>"))
    {
        return store.get(DrosselSettings::Application, DrosselSettings::Section, key, defaultValue);
    }
    void saveSetting(const QString& key, const QString& value)
    {
        store.save(DrosselSettings::Application, DrosselSettings::Section, key, value);
    }

    // A paper button set up as the settings window would leave it.
    void setUpButton(int index, const QString& plotter, const QString& media, const QString& caption = {})
    {
        static const QStringList keys = {QStringLiteral("Img85x11"), QStringLiteral("Img11x17"),
                                         QStringLiteral("Img17x22"), QStringLiteral("Img22x34")};
        saveSetting(DrosselSettings::plotterKey(keys[index]), plotter);
        saveSetting(DrosselSettings::mediaKey(keys[index]), media);
        if (!caption.isEmpty())
            saveSetting(DrosselSettings::captionKey(keys[index]), caption);
    }

    // The main window, loaded as the program loads it; the re-attach timer
    // is ticked by hand.
    FrmAplot& start()
    {
        form.reset();
        module = std::make_unique<MuduleAplot>(env);
        form = std::make_unique<FrmAplot>(*module);
        dispatcher.run([&] { form->load(); });
        timer1().setEnabled(false);
        form->show();
        return *form;
    }

    // The main window's list of drawings with its buttons.
    suite::EditableFileList& fileList() const
    {
        return dynamic_cast<suite::EditableFileList&>(control<QWidget>(*form, "LstDwgBox"));
    }

    // The main window's re-attach timer.
    forms::Timer& timer1() const { return dynamic_cast<forms::Timer&>(control<QObject>(*form, "Timer1")); }

    void press(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        dispatcher.run([&] { form->CmdPrinter_MouseDown(index, button); });
    }

    // The active drawing's active layout as the stand-in keeps it.
    const standin::PlotSettings& layoutOf(const std::shared_ptr<cad::Document>& drawing) const
    {
        return std::dynamic_pointer_cast<standin::Layout>(drawing->activeLayout())->settings();
    }
    const standin::PlotSettings& activeLayout() const { return layoutOf(host->activeDocument()); }

    // The journal entries that start with one of the prefixes, in order.
    QStringList journal(const QStringList& prefixes) const
    {
        QStringList picked;
        for (const QString& entry : host->journal().entries()) {
            for (const QString& prefix : prefixes) {
                if (entry.startsWith(prefix)) {
                    picked.append(entry);
                    break;
                }
            }
        }
        return picked;
    }

    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("DROSSEL")};
    files::FileSystem& files = t.files();
    settings::Store& store = t.settings();
    standin::ScriptedUser& user = t.user();
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> document;
    cad::HostRegistry& hosts = t.hosts();
    runtime::Program& program = t.program();
    runtime::ManualClock& clock = t.clock();
    forms::ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    std::unique_ptr<MuduleAplot> module;
    std::unique_ptr<FrmAplot> form;
};

}  // namespace drossel::test
