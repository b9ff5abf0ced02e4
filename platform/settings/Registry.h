#pragma once
// Registry values by full key path: the machine-wide and per-user keys that
// the CAD host keeps its profile in. Programs open an existing key for
// reading or writing, query or set values through the handle and close it;
// nothing creates a key that way. The stand-in host and tests lay out the
// keys and values with the handle-free calls. Failures raise runtime::Error
// with the system error code as number (2 for a missing key or value).
//
// A query hands back what the system's 8-bit query does: the value's kind and
// its bytes (a string with its terminating NUL, a double word as four bytes
// little-endian), so callers meet the kinds and embedded NULs they would meet
// there.

#include "platform/settings/DocumentFile.h"
#include "platform/settings/RegistryKey.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace settings {

class Registry {
public:
    using Key = uint32_t;

    // The predefined root keys.
    static constexpr Key ClassesRoot = 0x80000000u;
    static constexpr Key CurrentUser = 0x80000001u;
    static constexpr Key LocalMachine = 0x80000002u;
    static constexpr Key Users = 0x80000003u;
    static constexpr Key PerformanceData = 0x80000004u;
    static constexpr Key CurrentConfig = 0x80000005u;
    static constexpr Key DynData = 0x80000006u;

    // Access masks; a handle may query values when opened with KeyRead and
    // set them when opened with KeyWrite.
    static constexpr uint32_t KeyQueryValue = 0x0001u;
    static constexpr uint32_t KeySetValue = 0x0002u;
    static constexpr uint32_t KeyRead = 0x20019u;
    static constexpr uint32_t KeyWrite = 0x20006u;

    // System error codes raised as error numbers.
    static constexpr int32_t ErrorFileNotFound = 2;
    static constexpr int32_t ErrorAccessDenied = 5;
    static constexpr int32_t ErrorInvalidHandle = 6;
    static constexpr int32_t ErrorInvalidParameter = 87;
    static constexpr int32_t ErrorBadPathname = 161;
    static constexpr int32_t ErrorMoreData = 234;
    static constexpr int32_t ErrorKeyDeleted = 1018;

    // Value kinds (REG_ numbers).
    static constexpr uint32_t TypeString = 1;
    static constexpr uint32_t TypeExpandString = 2;
    static constexpr uint32_t TypeBinary = 3;
    static constexpr uint32_t TypeDword = 4;
    static constexpr uint32_t TypeMultiString = 7;

    // What a query returns: the kind and the bytes, 8-bit text for strings.
    struct Data {
        uint32_t type = TypeString;
        QByteArray bytes;
    };

    // A registry that lives as long as this object.
    Registry();
    // A registry kept in a file, shared with other Registry objects on it.
    explicit Registry(QString filePath);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // registry.ini beside the settings store's file.
    static QString defaultPath();

    // The root key a name such as "HKEY_CURRENT_USER" stands for, compared
    // exactly; 0 for any other text.
    static Key hiveFromName(const QString& name);

    // Opens root\subKey ("" opens the root itself) and returns its handle.
    Key openKey(Key root, const QString& subKey, uint32_t access);
    // A value of a key opened for reading. With a buffer size (in characters,
    // counting the terminating NUL) a longer value fails with ErrorMoreData.
    QString queryString(Key key, const QString& valueName, int bufferSize = -1);
    // A value of a key opened for reading, as its kind and bytes. With a
    // buffer size (in bytes) a longer value fails with ErrorMoreData.
    Data queryValue(Key key, const QString& valueName, int bufferSize = -1);
    // Sets a string value (REG_SZ) of a key opened for writing.
    void setString(Key key, const QString& valueName, const QString& value);
    void closeKey(Key key);

    // Host side, by full key path ("HKEY_LOCAL_MACHINE\SOFTWARE\..."):
    // createKey makes the key and any missing parents; setValue does too.
    void createKey(const QString& fullPath);
    void setValue(const QString& fullPath, const QString& valueName, const QString& value);
    // A value of another kind, its content as RegistryValue keeps it.
    void setValue(const QString& fullPath, const QString& valueName, uint32_t type, const QString& text);
    bool keyExists(const QString& fullPath);
    std::optional<QString> value(const QString& fullPath, const QString& valueName);

    // Set when the file was found damaged and moved aside; see DocumentFile.
    QString damageReport() const;

private:
    struct Location {
        Key hive = 0;
        QStringList path;
    };
    struct OpenKey {
        Location location;
        uint32_t access = 0;
    };

    static Location parseFullPath(const QString& fullPath);
    static QStringList splitSubKey(const QString& subKey);
    const RegistryKey* find(const Location& location) const;
    RegistryKey* find(const Location& location);
    RegistryKey& obtain(const Location& location);
    const OpenKey& handle(Key key) const;
    // The value behind a handle opened for reading.
    const RegistryValue& queried(Key key, const QString& valueName);

    void load();
    void change(const std::function<void()>& edit);
    void parse(const QJsonObject& document);
    QJsonObject toJson() const;

    std::unique_ptr<DocumentFile> file_;
    NamedList<RegistryKey> hives_;
    QHash<Key, OpenKey> open_;
    Key nextHandle_ = 1;
};

}  // namespace settings
