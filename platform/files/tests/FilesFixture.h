#pragma once
// A file system whose drive C is a fresh temporary folder, with helpers that
// look at the host side directly.

#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace files::test {

using testing_env::errorOf;

class FilesTest : public ::testing::Test {
protected:
    FilesTest() : fs(driveC(temp)) {}

    static DriveTable driveC(const QTemporaryDir& dir)
    {
        QDir(dir.path()).mkdir(QStringLiteral("c"));
        DriveTable table;
        table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
        return table;
    }

    // A host path below drive C's folder.
    QString host(const QString& relative) const { return temp.path() + QStringLiteral("/c/") + relative; }

    void put(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = host(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytesOf(const QString& relative) const
    {
        QFile file(host(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The permission bits of a host file.
    int modeOf(const QString& relative) const
    {
        struct stat st {};
        return ::stat(QFile::encodeName(host(relative)).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    }

    void makeHostFolder(const QString& relative) const { QDir().mkpath(host(relative)); }

    QTemporaryDir temp;
    FileSystem fs;
};

}  // namespace files::test
