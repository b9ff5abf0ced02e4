#include "platform/settings/Registry.h"

#include "platform/runtime/Error.h"
#include "platform/settings/JsonReading.h"
#include "platform/settings/Store.h"

#include <QFileInfo>
#include <QJsonArray>
#include <array>

namespace settings {

namespace {
using namespace json;

const QString Hives = QStringLiteral("hives");
const QString Keys = QStringLiteral("keys");
const QString Values = QStringLiteral("values");
const QString Name = QStringLiteral("name");
const QString Value = QStringLiteral("value");
const QString Type = QStringLiteral("type");

bool knownType(uint32_t type)
{
    switch (type) {
    case Registry::TypeString:
    case Registry::TypeExpandString:
    case Registry::TypeBinary:
    case Registry::TypeDword:
    case Registry::TypeMultiString:
        return true;
    default:
        return false;
    }
}

bool isStringType(uint32_t type)
{
    return type == Registry::TypeString || type == Registry::TypeExpandString || type == Registry::TypeMultiString;
}

// The content of a value of a kind, checked as the kind wants it.
bool validContent(uint32_t type, const QString& text)
{
    if (type == Registry::TypeDword) {
        bool ok = false;
        text.toUInt(&ok, 10);
        return ok;
    }
    if (type == Registry::TypeBinary)
        return text.size() % 2 == 0 && QByteArray::fromHex(text.toLatin1()).toHex() == text.toLower().toLatin1();
    return true;
}

struct HiveName {
    Registry::Key key;
    const char* name;
};
constexpr std::array<HiveName, 7> HiveNames{{
    {Registry::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {Registry::CurrentUser, "HKEY_CURRENT_USER"},
    {Registry::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {Registry::Users, "HKEY_USERS"},
    {Registry::PerformanceData, "HKEY_PERFORMANCE_DATA"},
    {Registry::CurrentConfig, "HKEY_CURRENT_CONFIG"},
    {Registry::DynData, "HKEY_DYN_DATA"},
}};

QString hiveName(Registry::Key key)
{
    for (const HiveName& hive : HiveNames)
        if (hive.key == key)
            return QLatin1String(hive.name);
    return {};
}

// The texts the system gives for these codes.
[[noreturn]] void fail(int32_t code)
{
    switch (code) {
    case Registry::ErrorFileNotFound:
        runtime::raise(code, QStringLiteral("The system cannot find the file specified."));
    case Registry::ErrorAccessDenied:
        runtime::raise(code, QStringLiteral("Access is denied."));
    case Registry::ErrorInvalidHandle:
        runtime::raise(code, QStringLiteral("The handle is invalid."));
    case Registry::ErrorBadPathname:
        runtime::raise(code, QStringLiteral("The specified path is invalid."));
    case Registry::ErrorInvalidParameter:
        runtime::raise(code, QStringLiteral("The parameter is incorrect."));
    case Registry::ErrorMoreData:
        runtime::raise(code, QStringLiteral("More data is available."));
    case Registry::ErrorKeyDeleted:
        runtime::raise(code,
                       QStringLiteral("Illegal operation attempted on a registry key that has been marked for deletion."));
    default:
        runtime::raise(code);
    }
}

void parseKey(const QJsonObject& object, RegistryKey& key)
{
    for (const QJsonValue& value : arrayOf(object, Values)) {
        const QJsonObject valueObject = objectAt(value, Values);
        RegistryValue stored;
        stored.text = stringOf(valueObject, Value, Values);
        // Values written before kinds were kept are strings.
        if (valueObject.contains(Type)) {
            const QJsonValue type = valueObject.value(Type);
            if (!type.isDouble() || !knownType(uint32_t(type.toInt(-1))) || !validContent(uint32_t(type.toInt()), stored.text))
                throw DocumentFile::Damage{QStringLiteral("a value of an unknown kind in \"%1\"").arg(Values)};
            stored.type = uint32_t(type.toInt());
        }
        addUnique(key.values, stringOf(valueObject, Name, Values), Values) = stored;
    }
    for (const QJsonValue& sub : arrayOf(object, Keys)) {
        const QJsonObject subObject = objectAt(sub, Keys);
        const QString name = stringOf(subObject, Name, Keys);
        if (name.isEmpty() || name.contains(QLatin1Char('\\')))
            throw DocumentFile::Damage{QStringLiteral("\"%1\" is not a key name").arg(name)};
        parseKey(subObject, addUnique(key.subkeys, name, Keys));
    }
}

QJsonObject keyToJson(const QString& name, const RegistryKey& key)
{
    QJsonArray values;
    for (const auto& value : key.values.entries()) {
        QJsonObject object{{Name, value.name}, {Value, value.value.text}};
        if (value.value.type != Registry::TypeString)
            object.insert(Type, int(value.value.type));
        values.append(object);
    }
    QJsonArray keys;
    for (const auto& sub : key.subkeys.entries())
        keys.append(keyToJson(sub.name, sub.value));
    return QJsonObject{{Name, name}, {Values, values}, {Keys, keys}};
}

void addAllHives(NamedList<RegistryKey>& hives)
{
    for (const HiveName& hive : HiveNames)
        hives.obtain(QLatin1String(hive.name));
}
}  // namespace

Registry::Registry() { addAllHives(hives_); }

Registry::Registry(QString filePath)
    : file_(std::make_unique<DocumentFile>(std::move(filePath), QStringLiteral("tarvo registry 1"),
                                           QStringLiteral("registry file")))
{
    addAllHives(hives_);
    load();
}

Registry::~Registry() = default;

QString Registry::defaultPath()
{
    return QFileInfo(Store::defaultPath()).path() + QStringLiteral("/registry.ini");
}

Registry::Key Registry::hiveFromName(const QString& name)
{
    for (const HiveName& hive : HiveNames)
        if (name == QLatin1String(hive.name))
            return hive.key;
    return 0;
}

Registry::Key Registry::openKey(Key root, const QString& subKey, uint32_t access)
{
    if (hiveName(root).isEmpty())
        fail(ErrorInvalidHandle);
    Location location{root, splitSubKey(subKey)};
    load();
    if (!find(location))
        fail(ErrorFileNotFound);
    const Key key = nextHandle_++;
    open_.insert(key, OpenKey{std::move(location), access});
    return key;
}

const RegistryValue& Registry::queried(Key key, const QString& valueName)
{
    const OpenKey& opened = handle(key);
    if (!(opened.access & KeyQueryValue))
        fail(ErrorAccessDenied);
    load();
    const RegistryKey* found = find(opened.location);
    if (!found)
        fail(ErrorKeyDeleted);
    const RegistryValue* value = found->values.find(valueName);
    if (!value)
        fail(ErrorFileNotFound);
    return *value;
}

QString Registry::queryString(Key key, const QString& valueName, int bufferSize)
{
    const RegistryValue& value = queried(key, valueName);
    if (bufferSize >= 0 && value.text.size() + 1 > bufferSize)
        fail(ErrorMoreData);
    return value.text;
}

Registry::Data Registry::queryValue(Key key, const QString& valueName, int bufferSize)
{
    const RegistryValue& value = queried(key, valueName);
    Data data;
    data.type = value.type;
    if (isStringType(value.type)) {
        // The 8-bit text as the system's ANSI query gives it, with its NUL;
        // a list of strings ends with a second one.
        data.bytes = value.text.toLatin1();
        data.bytes.append('\0');
        if (value.type == TypeMultiString)
            data.bytes.append('\0');
    } else if (value.type == TypeDword) {
        const uint32_t number = value.text.toUInt();
        for (int shift = 0; shift < 32; shift += 8)
            data.bytes.append(char((number >> shift) & 0xFF));
    } else {
        data.bytes = QByteArray::fromHex(value.text.toLatin1());
    }
    if (bufferSize >= 0 && data.bytes.size() > bufferSize)
        fail(ErrorMoreData);
    return data;
}

void Registry::setString(Key key, const QString& valueName, const QString& value)
{
    const OpenKey& opened = handle(key);
    if (!(opened.access & KeySetValue))
        fail(ErrorAccessDenied);
    change([&] {
        // The key was there when it was opened; only a store that was found
        // damaged and started empty since can have lost it.
        RegistryKey* found = find(opened.location);
        if (!found)
            fail(ErrorKeyDeleted);
        found->values.obtain(valueName) = RegistryValue{TypeString, value};
    });
}

void Registry::closeKey(Key key)
{
    if (!open_.remove(key))
        fail(ErrorInvalidHandle);
}

void Registry::createKey(const QString& fullPath)
{
    const Location location = parseFullPath(fullPath);
    change([&] { obtain(location); });
}

void Registry::setValue(const QString& fullPath, const QString& valueName, const QString& value)
{
    const Location location = parseFullPath(fullPath);
    change([&] { obtain(location).values.obtain(valueName) = RegistryValue{TypeString, value}; });
}

void Registry::setValue(const QString& fullPath, const QString& valueName, uint32_t type, const QString& text)
{
    if (!knownType(type) || !validContent(type, text))
        fail(ErrorInvalidParameter);
    const Location location = parseFullPath(fullPath);
    change([&] { obtain(location).values.obtain(valueName) = RegistryValue{type, text}; });
}

bool Registry::keyExists(const QString& fullPath)
{
    const Location location = parseFullPath(fullPath);
    load();
    return find(location) != nullptr;
}

std::optional<QString> Registry::value(const QString& fullPath, const QString& valueName)
{
    const Location location = parseFullPath(fullPath);
    load();
    if (const RegistryKey* key = find(location))
        if (const RegistryValue* value = key->values.find(valueName))
            return value->text;
    return std::nullopt;
}

QString Registry::damageReport() const { return file_ ? file_->damageReport() : QString(); }

Registry::Location Registry::parseFullPath(const QString& fullPath)
{
    const qsizetype separator = fullPath.indexOf(QLatin1Char('\\'));
    const Key hive = hiveFromName(separator < 0 ? fullPath : fullPath.left(separator));
    if (hive == 0)
        runtime::raise(ErrorBadPathname, QStringLiteral("\"%1\" is not a registry key path.").arg(fullPath));
    return Location{hive, separator < 0 ? QStringList{} : splitSubKey(fullPath.mid(separator + 1))};
}

// Assumption: a subkey path with an empty part (a leading, doubled or
// trailing "\") names no key and is refused as a bad path.
QStringList Registry::splitSubKey(const QString& subKey)
{
    if (subKey.isEmpty())
        return {};
    const QStringList parts = subKey.split(QLatin1Char('\\'));
    for (const QString& part : parts)
        if (part.isEmpty())
            fail(ErrorBadPathname);
    return parts;
}

const RegistryKey* Registry::find(const Location& location) const
{
    const RegistryKey* key = hives_.find(hiveName(location.hive));
    for (const QString& part : location.path) {
        if (!key)
            return nullptr;
        key = key->subkeys.find(part);
    }
    return key;
}

RegistryKey* Registry::find(const Location& location)
{
    return const_cast<RegistryKey*>(std::as_const(*this).find(location));
}

RegistryKey& Registry::obtain(const Location& location)
{
    RegistryKey* key = &hives_.obtain(hiveName(location.hive));
    for (const QString& part : location.path)
        key = &key->subkeys.obtain(part);
    return *key;
}

const Registry::OpenKey& Registry::handle(Key key) const
{
    const auto it = open_.constFind(key);
    if (it == open_.constEnd())
        fail(ErrorInvalidHandle);
    return *it;
}

void Registry::load()
{
    if (file_)
        file_->read([this](const QJsonObject& document) { parse(document); });
}

void Registry::change(const std::function<void()>& edit)
{
    if (!file_) {
        edit();
        return;
    }
    file_->update([this](const QJsonObject& document) { parse(document); },
                  [&] {
                      edit();
                      return toJson();
                  });
}

void Registry::parse(const QJsonObject& document)
{
    hives_.clear();
    for (const QJsonValue& value : arrayOf(document, Hives)) {
        const QJsonObject object = objectAt(value, Hives);
        const QString name = stringOf(object, Name, Hives);
        if (hiveFromName(name) == 0)
            throw DocumentFile::Damage{QStringLiteral("\"%1\" is not a root key").arg(name)};
        parseKey(object, addUnique(hives_, name, Hives));
    }
    addAllHives(hives_);
}

QJsonObject Registry::toJson() const
{
    QJsonArray hives;
    for (const auto& hive : hives_.entries())
        hives.append(keyToJson(hive.name, hive.value));
    return QJsonObject{{Hives, hives}};
}

}  // namespace settings
