#include "installer/unbalo/InstallRun.h"

#include "installer/unbalo/ProgressCaption.h"
#include "installer/unbalo/archive/ArchiveReader.h"
#include "platform/files/AtomicWriter.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/PassOver.h"

#include <algorithm>

namespace unbalo {

namespace {
// The runtime's number for a file that cannot give the bytes it should.
constexpr int32_t DeviceIOError = 57;
}  // namespace

bool InstallReport::failedProgram(const QString& fileName) const
{
    const QString name = fileName.toLower();
    const QString bare = name.endsWith(QStringLiteral(".exe")) ? name.chopped(4) : name;
    return failed.contains(name) || failed.contains(bare);
}

InstallRun::InstallRun(files::FileSystem& files, ProgressDisplay& display) : files_(files), display_(display) {}

QString InstallRun::installDirectory(const QString& text)
{
    const QString folder = text.trimmed();
    if (folder.isEmpty())
        return {};
    return files::WinPath::isSeparator(folder.back()) ? folder : folder + u'\\';
}

void InstallRun::makeDirectory(const QString& directory)
{
    QStringList missing;
    for (QString folder = directory; !folder.isEmpty() && !files_.folderExists(folder);
         folder = files::WinPath::parentFolder(folder))
        missing.prepend(folder);
    for (const QString& folder : missing)
        files_.makeFolder(folder);
}

bool InstallRun::isProgram(const QByteArray& content)
{
    return content.startsWith("\x7f" "ELF") || content.startsWith("#!");
}

InstallReport InstallRun::extract(const ArchiveSource& source, const ArchiveIndex& index, const QString& directory)
{
    InstallReport report;
    report.directory = directory;
    const int count = int(index.entries.size());
    int done = 0;
    for (const ArchiveEntry& entry : index.entries) {
        ProgressCaption::show(display_, ++done, count);
        // The folder is the one the text names, found in whatever case it has
        // on disk; the name is written in lower case.
        const QString name = entry.name.toLower();
        const auto failed = runtime::passOver([&] {
            const auto file = files_.replacement(directory + name);
            if (isProgram(source.read(entry.offset, std::min<qint64>(entry.size, 4))))
                file->makeExecutable();
            // Out of the installer's file by the host where there is one;
            // bytes held in memory are written as they are.
            qint64 written = 0;
            if (source.hostFile().isEmpty()) {
                const QByteArray content = ArchiveReader::content(source, entry);
                file->write(content);
                written = content.size();
            } else {
                written = file->copyFrom(source.hostFile(), entry.offset, entry.size);
            }
            if (written != entry.size)
                runtime::raise(DeviceIOError);
            file->commit(std::nullopt);
        });
        QStringList& into = failed ? report.failed : report.written;
        if (!into.contains(name))
            into.append(name);
    }
    return report;
}

}  // namespace unbalo
