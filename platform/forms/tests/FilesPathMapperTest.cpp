#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/FilesPathMapper.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FilesPathMapper, DrivePathsGoThroughTheDriveTableBothWays)
{
    QTemporaryDir temp;
    QDir root(temp.path());
    root.mkpath(QStringLiteral("c/Tools"));
    root.mkpath(QStringLiteral("c/Tools/p"));
    files::DriveTable drives;
    drives.map(QStringLiteral("C"), root.filePath(QStringLiteral("c")));
    // A drive mapped inside another drive's folder: the deeper one names it.
    drives.map(QStringLiteral("P"), root.filePath(QStringLiteral("c/Tools/p")));
    files::FileSystem fs(drives);
    forms::FilesPathMapper mapper(fs);

    const QString hostTools = QDir(root.filePath(QStringLiteral("c/Tools"))).absolutePath();
    EXPECT_EQ(mapper.toHost(QStringLiteral("c:\\tools")), hostTools);
    EXPECT_EQ(mapper.fromHost(hostTools + QStringLiteral("/acad.exe")), QStringLiteral("C:\\Tools\\acad.exe"));
    EXPECT_EQ(mapper.fromHost(root.filePath(QStringLiteral("c"))), QStringLiteral("C:\\"));
    EXPECT_EQ(mapper.fromHost(hostTools + QStringLiteral("/p/a.dwg")), QStringLiteral("P:\\a.dwg"));

    // Outside every drive a host path has no Windows path: the programs know
    // their drives only, and a host path handed to them ended up as a folder
    // name inside the source tree.
    EXPECT_EQ(mapper.fromHost(QStringLiteral("/usr/bin/env")), QString());
    // A drive that is not mapped leads nowhere rather than failing.
    EXPECT_EQ(mapper.toHost(QStringLiteral("Q:\\x")), QString());
    EXPECT_EQ(mapper.toHost(QString()), QString());
}
