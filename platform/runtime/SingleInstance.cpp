#include "platform/runtime/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace runtime {

SingleInstance::SingleInstance(QString folder) : folder_(std::move(folder)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/tarvo");
}

bool SingleInstance::claim(const QString& name)
{
    if (lock_)
        return claimed_.compare(name, Qt::CaseInsensitive) == 0;
    if (name.isEmpty() || !QDir().mkpath(folder_))
        return true;
    // Program names are matched without regard to case, as file names were.
    auto lock = std::make_unique<QLockFile>(folder_ + u'/' + name.toLower() + QStringLiteral(".lock"));
    // A lock is never stale while its owner runs; a dead owner's is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        claimed_ = name;
        return true;
    }
    return lock->error() != QLockFile::LockFailedError;
}

}  // namespace runtime
