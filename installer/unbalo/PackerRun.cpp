#include "installer/unbalo/PackerRun.h"

#include "installer/unbalo/ProgressCaption.h"
#include "installer/unbalo/archive/ArchiveFormat.h"
#include "installer/unbalo/archive/ArchiveWriter.h"
#include "installer/unbalo/archive/ItemName.h"
#include "platform/files/AtomicWriter.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/PassOver.h"

#include <QFileInfo>

namespace unbalo {

namespace {

QString cannotPack(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot pack '%1': %2.").arg(path, reason);
}

QString cannotWrite(const QString& destination, const QString& reason)
{
    return QStringLiteral("Cannot write the installer '%1': %2.").arg(destination, reason);
}

}  // namespace

PackerRun::PackerRun(files::FileSystem& files, ProgressDisplay& display) : files_(files), display_(display) {}

PackerRun::~PackerRun() = default;

std::optional<QString> PackerRun::checkItems(const QStringList& paths) const
{
    for (const QString& path : paths) {
        const QString name = ItemName::ofPath(path);
        const QString refused = ItemName::problem(name);
        if (!refused.isEmpty())
            return cannotPack(path, QStringLiteral("its name is refused since %1").arg(refused));
        qint64 length = 0;
        const std::optional<runtime::Error> missing = runtime::passOver([&] { length = files_.fileLength(path); });
        if (missing || !files_.fileExists(path))
            return cannotPack(path, QStringLiteral("it is not a file that can be read (%1)")
                                        .arg(missing ? missing->description() : QStringLiteral("a folder")));
        if (!QFileInfo(files_.hostPath(path)).isReadable())
            return cannotPack(path, QStringLiteral("it is not a file that can be read (Permission denied)"));
        if (length > ArchiveFormat::MaxItemSize)
            return cannotPack(path, QStringLiteral("it holds 2 GiB or more, more than an item may hold"));
    }
    return std::nullopt;
}

std::optional<QString> PackerRun::checkDestination(const QString& destination, const QStringList& paths,
                                                   const QString& ownFile) const
{
    const QString target = files_.identity(destination);
    if (target.isEmpty())
        return std::nullopt;  // a new file is neither
    if (target == files_.identity(ownFile))
        return cannotWrite(destination, QStringLiteral("it is this program's own file"));
    for (const QString& path : paths)
        if (target == files_.identity(path))
            return cannotWrite(destination, QStringLiteral("it is one of the files to pack"));
    return std::nullopt;
}

void PackerRun::begin(const QString& destination, const QString& stubFile, int itemCount)
{
    destination_ = destination;
    archive_.reset();
    const QString stub = files_.hostPath(stubFile);
    if (!files_.fileExists(stubFile))
        runtime::raise(runtime::err::FileNotFound);
    file_ = files_.replacement(destination);
    files::AtomicWriter* file = file_.get();
    archive_ = std::make_unique<ArchiveWriter>([file](const char* data, qint64 size) { file->write(data, size); },
                                               itemCount);
    file_->copyFrom(stub);
}

std::optional<QString> PackerRun::finish(const QStringList& paths)
{
    // However this ends, what was not put in place goes.
    const auto drop = [this] {
        archive_.reset();
        file_.reset();
    };
    for (qsizetype row = 0; row < paths.size(); ++row) {
        ProgressCaption::show(display_, int(row) + 1, int(paths.size()));
        const QString& path = paths[row];
        // The item goes from its file into the installer without passing
        // through memory; its size field says what its file held when it was
        // looked at, so a file that changes meanwhile is refused.
        qint64 size = 0;
        qint64 copied = -1;
        const auto unread = runtime::passOver([&] {
            size = files_.fileLength(path);
            if (size <= ArchiveFormat::MaxItemSize)
                copied = file_->copyFrom(files_.hostPath(path), 0, size + 1);
        });
        if (unread) {
            drop();
            return cannotPack(path, QStringLiteral("it could not be copied into the installer (%1)").arg(unread->description()));
        }
        // Checked again: the file may have grown since the list was checked.
        if (size > ArchiveFormat::MaxItemSize) {
            drop();
            return cannotPack(path, QStringLiteral("it holds 2 GiB or more, more than an item may hold"));
        }
        if (copied != size) {
            drop();
            return cannotPack(path, QStringLiteral("it changed while it was being packed"));
        }
        const auto failed = runtime::passOver([&] { archive_->writeRecord(ItemName::encode(ItemName::ofPath(path)), size); });
        if (failed) {
            drop();
            return cannotWrite(destination_, QStringLiteral("it could not be written (%1)").arg(failed->description()));
        }
    }
    const auto failed = runtime::passOver([&] {
        // The installer is a program: it runs like the packer it came from.
        file_->makeExecutable();
        file_->commit(std::nullopt);
    });
    drop();
    if (failed)
        return cannotWrite(destination_, QStringLiteral("it could not be written (%1)").arg(failed->description()));
    return std::nullopt;
}

}  // namespace unbalo
