#pragma once
// Unbalo over the test environment: its own program file on drive C: (a
// packer, or an installer when the test appends an archive), a recording
// shell that finds files through drive C: so links and starts see what the
// install wrote, the program's state and its window as main() builds them,
// and scripted boxes and dialogs whose surprises fail the test.

#include "installer/unbalo/ModUnbalo.h"
#include "installer/unbalo/archive/ArchiveWriter.h"
#include "installer/unbalo/archive/ItemName.h"
#include "installer/unbalo/frmUnbalo.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/shell/RecordingShell.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace unbalo::test {

struct Item {
    QString name;
    QByteArray content;
};

inline bool operator==(const Item& a, const Item& b) { return a.name == b.name && a.content == b.content; }
inline void PrintTo(const Item& item, std::ostream* out)
{
    *out << item.name.toStdString() << " (" << item.content.size() << " bytes)";
}

// The bytes of an installer: the stub, then the items' records in list order.
inline QByteArray installerOf(const QByteArray& stub, const QList<Item>& items)
{
    QByteArray bytes;
    ArchiveWriter writer([&](const char* data, qint64 size) { bytes.append(data, size); }, int(items.size()));
    writer.writeStub(stub);
    for (const Item& item : items)
        writer.writeItem(ItemName::encode(item.name), item.content);
    return bytes;
}

// The packer's own program file as the tests give it.
inline const QByteArray Stub("\x7f" "ELF the packer's own program");

// A program as a host runs it: a script, so the install makes it executable.
inline QByteArray program(const QByteArray& name) { return "#!/bin/sh\n# " + name + "\n"; }

class UnbaloTest : public ::testing::Test {
protected:
    UnbaloTest()
    {
        t.program().exeName = QStringLiteral("unbalo");
        t.env().shell = &shell;
        put(ownFile(), Stub);
    }

    QString ownFile() { return t.program().ownFile(); }
    QString host(const QString& path) { return t.files().hostPath(path); }

    // A file on a drive, its folders made.
    void put(const QString& path, const QByteArray& bytes)
    {
        const QString hostPath = host(path);
        QDir().mkpath(QFileInfo(hostPath).path());
        QFile file(hostPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOf(const QString& path)
    {
        QFile file(host(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool exists(const QString& path) { return QFileInfo::exists(host(path)); }
    QStringList entries(const QString& folder)
    {
        return QDir(host(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // The program becomes an installer of these items.
    void carry(const QList<Item>& items) { put(ownFile(), installerOf(Stub, items)); }

    template <typename T>
    T& control(const QString& name) { return testing_env::control<T>(form, name); }
    void click(const QString& name) { control<QPushButton>(name).click(); }
    void setDirectory(const QString& text) { control<QLineEdit>("TxtDirectory").setText(text); }
    void untick(const QString& name) { control<QCheckBox>(name).setChecked(false); }
    // Install pressed; true when the program ended.
    bool install()
    {
        click("cmdGo");
        return t.dispatcher().ended();
    }

    QList<shell::ShellCall> callsOf(shell::ShellCall::Kind kind) { return shell.callsOf(kind); }

    testing_env::TestEnvironment t{QStringLiteral("Unbaloor")};
    shell::RecordingShell shell{t.drive("C") + QStringLiteral("/../shell"),
                                [this](const QString& path) { return t.files().hostPath(path); }};
    ModUnbalo module{t.env()};
    frmUnbalo form{module};
};

}  // namespace unbalo::test
