#pragma once
// Fentrow over a test environment: the program in C:\Program beside its INI
// file, drive P: for projects, a stand-in host running with one drawing open,
// a second host of the test's own that writes drawings to disk, and the
// browser built but not yet loaded.

#include "DwgBytes.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/DriveListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"
#include "project/fentrow/FrmMain.h"
#include "project/fentrow/MdlAcad.h"
#include "project/fentrow/PreviewBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace fentrow::test {

namespace msgbox = forms::msgbox;
using testing_env::control;

inline const QString IniFile = QStringLiteral("C:\\Program\\Fentrow.ini");

class FentrowTest : public ::testing::Test {
protected:
    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("Fentrow")};

    FentrowTest() : host(t.startHost()), writer(standin::Host::create(t.files()))
    {
        document = host->addDocument();
        t.drive(QStringLiteral("P"));
    }

    void folder(const QString& path) { t.files().makeFolder(path); }

    // A drawing the host can read, with one attribute definition of height 1
    // so that a reference's attribute height tells the insert scale.
    void drawing(const QString& path)
    {
        const auto d = writer->addDocument();
        d->modelSpace()->addLine(cad::Point{0, 0, 0}, cad::Point{10, 10, 0});
        d->modelSpace()->addAttribute(1, QStringLiteral("Tag"), cad::Point{0, 0, 0}, QStringLiteral("TAG"),
                                      QStringLiteral("x"));
        d->saveAs(path);
        writer->closeDocument(d);
    }

    // A file with a thumbnail of 5 x 3 pixels.
    void previewFile(const QString& path, const QByteArray& tag = "AC1015")
    {
        DwgBytes dwg;
        dwg.tag = tag;
        dwg.parts = {{1, "HEADER"}, {2, DwgBytes::bitmap(5, 3, QList<quint8>(15, 7))}, {3, "WMF"}};
        t.files().writeAll(path, dwg.build());
    }

    void setTemplatePath(const QString& path)
    {
        standin::ProfileState state = host->context().profile();
        state.templateDwgPath = path;
        host->context().setProfile(state);
    }

    void setRoot(const QString& root)
    {
        t.files().writeAll(IniFile, QByteArray("[ProjectPath]\r\nPath=") + root.toLatin1() + "\r\n");
    }

    // The browser, loaded as the program loads it.
    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(acad);
        t.dispatcher().run([&] { form->show(); });
        return *form;
    }

    template <typename T>
    T& c(const char* name) { return control<T>(*form, QLatin1String(name)); }
    forms::DirListBox& dir() { return c<forms::DirListBox>("Dir1"); }
    forms::FileListBox& fileList() { return c<forms::FileListBox>("File1"); }
    PreviewBox& pic() { return c<PreviewBox>("Pic"); }
    QString version() { return c<QLabel>("LblVersion").text(); }
    QString label1() { return c<QLabel>("Label1").text(); }
    void click(const char* name) { t.dispatcher().run([&] { c<QAbstractButton>(name).click(); }); }

    void goTo(const QString& path) { t.dispatcher().run([&] { dir().setPath(path); }); }

    // Clicks a file of the list, as the user does.
    void clickFile(const QString& name)
    {
        forms::FileListBox& list = fileList();
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i).compare(name, Qt::CaseInsensitive) == 0) {
                t.dispatcher().run([&] { list.setSelected(i, true); });
                return;
            }
        }
        ADD_FAILURE() << "no file " << name.toStdString() << " in " << list.path().toStdString();
    }

    // Right-clicks the file list and chooses the menu item ("" dismisses it),
    // whose command then shows the boxes given (answered OK); returns the
    // items the menu offered, separators left out.
    QStringList popup(const QString& item, const QStringList& boxes = {})
    {
        t.ui().expectPopup(item);
        for (const QString& box : boxes)
            t.ui().expectMsgBox(forms::msgbox::Ok, box);
        t.dispatcher().run([&] { emit fileList().rightClicked(QPoint(1, 1)); });
        QStringList offered;
        const auto& records = t.ui().records();
        const auto menu = std::find_if(records.rbegin(), records.rend(), [](const auto& record) {
            return record.kind == forms::ScriptedInteraction::Kind::Popup;
        });
        for (const QString& text : menu->items)
            if (!text.isEmpty())
                offered.append(text);
        return offered;
    }

    QStringList fileNames()
    {
        QStringList names;
        for (int i = 0; i < fileList().count(); ++i)
            names.append(fileList().item(i));
        return names;
    }

    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Host> writer;
    std::shared_ptr<standin::Document> document;
    MdlAcad acad{t.env()};
    std::unique_ptr<FrmMain> form;
};

}  // namespace fentrow::test
