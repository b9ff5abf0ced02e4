#include "platform/settings/DocumentFile.h"

#include "platform/runtime/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLockFile>
#include <QSaveFile>

namespace settings {

namespace {
const QString FormatMember = QStringLiteral("format");

// Another program of the suite may be saving at the same moment; a save takes
// a few milliseconds, so waiting this long means the lock holder is stuck.
constexpr int LockWaitMs = 10000;

QString lockPath(const QString& path) { return path + QStringLiteral(".lock"); }
}  // namespace

DocumentFile::DocumentFile(QString path, QString format, QString kind)
    : path_(std::move(path)), format_(std::move(format)), kind_(std::move(kind))
{
}

void DocumentFile::read(const Reader& reader)
{
    const QString firstReason = tryRead(reader);
    if (firstReason.isEmpty())
        return;
    // Damage is moved aside under the lock after a second look, so that a
    // good file another store has just written is never taken for it.
    QLockFile lock(lockPath(path_));
    if (!lock.tryLock(LockWaitMs)) {
        reader(QJsonObject{});
        reportStuck(firstReason, QStringLiteral("the file is locked or its folder is not writable"));
        return;
    }
    const QString reason = tryRead(reader);
    if (reason.isEmpty())
        return;
    reader(QJsonObject{});
    moveAside(reason);
}

void DocumentFile::update(const Reader& reader, const Writer& writer)
{
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        raiseAccess(QStringLiteral("cannot be saved: its folder \"%1\" cannot be made").arg(QDir::toNativeSeparators(folder)));
    QLockFile lock(lockPath(path_));
    if (!lock.tryLock(LockWaitMs))
        raiseAccess(QStringLiteral("cannot be saved: the file is locked or its folder is not writable"));
    const QString reason = tryRead(reader);
    if (!reason.isEmpty()) {
        reader(QJsonObject{});
        if (!moveAside(reason))
            raiseAccess(QStringLiteral("cannot be saved: it is damaged and could not be moved aside"));
    }
    writeWhole(writer());
}

// Returns what is wrong with the file's content, or empty when the reader
// took it (a missing file reads as an empty document).
QString DocumentFile::tryRead(const Reader& reader)
{
    QFile file(path_);
    if (!file.exists()) {
        reader(QJsonObject{});
        return {};
    }
    if (!file.open(QIODevice::ReadOnly))
        raiseAccess(QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseAccess(QStringLiteral("cannot be read: %1").arg(file.errorString()));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("not valid JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
    if (!document.isObject())
        return QStringLiteral("its content is not a JSON object");
    const QJsonObject root = document.object();
    if (root.value(FormatMember).toString() != format_)
        return QStringLiteral("it is not marked as \"%1\"").arg(format_);
    try {
        reader(root);
    } catch (const Damage& damage) {
        return damage.reason;
    }
    return {};
}

bool DocumentFile::moveAside(const QString& reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    QFile file(path_);
    if (!file.rename(aside)) {
        reportStuck(reason, file.errorString());
        return false;
    }
    stuck_ = false;
    damageReport_ = QStringLiteral("The %1 \"%2\" is damaged (%3) and could not be read. "
                                   "It was kept as \"%4\" and an empty one is used in its place.")
                        .arg(kind_, QDir::toNativeSeparators(path_), reason, QDir::toNativeSeparators(aside));
    return true;
}

// The damaged file stays where it is; every later read finds it again, but
// the user hears of it once.
void DocumentFile::reportStuck(const QString& reason, const QString& why)
{
    if (stuck_)
        return;
    stuck_ = true;
    damageReport_ = QStringLiteral("The %1 \"%2\" is damaged (%3) and could not be moved aside (%4). "
                                   "It is left as it is and nothing is saved to it until it is mended or removed.")
                        .arg(kind_, QDir::toNativeSeparators(path_), reason, why);
}

void DocumentFile::writeWhole(const QJsonObject& document)
{
    QJsonObject root = document;
    root.insert(FormatMember, format_);
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    // QSaveFile writes beside the target and renames over it on commit; on
    // any failure the temporary is discarded and the old file stays whole.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        raiseAccess(QStringLiteral("cannot be saved: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        raiseAccess(QStringLiteral("cannot be saved: %1").arg(error));
    }
    if (!file.commit())
        raiseAccess(QStringLiteral("cannot be saved: %1").arg(file.errorString()));
}

void DocumentFile::raiseAccess(const QString& what) const
{
    runtime::raise(runtime::err::PathFileAccessError,
                   QStringLiteral("The %1 \"%2\" %3.").arg(kind_, QDir::toNativeSeparators(path_), what));
}

}  // namespace settings
