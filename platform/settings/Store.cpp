#include "platform/settings/Store.h"

#include "platform/runtime/Error.h"
#include "platform/settings/JsonReading.h"

#include <QDir>
#include <QJsonArray>

namespace settings {

namespace {
using namespace json;

const QString Applications = QStringLiteral("applications");
const QString Sections = QStringLiteral("sections");
const QString Keys = QStringLiteral("keys");
const QString Name = QStringLiteral("name");
const QString Value = QStringLiteral("value");
}  // namespace

Store::Store(QString filePath)
    : file_(std::move(filePath), QStringLiteral("tarvo settings 1"), QStringLiteral("settings file"))
{
    // Loading now lets the program show a damage report at start.
    load();
}

QString Store::defaultPath()
{
    // XDG rules say a relative XDG_CONFIG_HOME is to be ignored.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tarvo/settings.ini");
}

QString Store::get(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    load();
    const QString* value = find(app, section, key);
    return value ? *value : defaultValue;
}

const QString* Store::find(const QString& app, const QString& section, const QString& key) const
{
    if (const Application* application = applications_.find(app))
        if (const Section* found = application->find(section))
            return found->find(key);
    return nullptr;
}

void Store::save(const QString& app, const QString& section, const QString& key, const QString& value)
{
    // Assumption: a value needs all three names, as a registry value needs
    // its key path and name; an empty one is an invalid argument (error 5).
    if (app.isEmpty() || section.isEmpty() || key.isEmpty())
        runtime::raise(runtime::err::InvalidProcedureCall);
    // A value equal to the stored one is not written: the lock, the fresh
    // read and the synced rewrite would change nothing. Another store that
    // saves at the same moment wins as it would have after our write.
    load();
    if (const QString* stored = find(app, section, key); stored && *stored == value)
        return;
    change([&] { applications_.obtain(app).obtain(section).obtain(key) = value; });
}

void Store::remove(const QString& app, const QString& section, const QString& key)
{
    if (app.isEmpty() || (section.isEmpty() && !key.isEmpty()))
        runtime::raise(runtime::err::InvalidProcedureCall);
    // Removing what is not there is error 5, as the original store does. A
    // section emptied by removing its last key stays, as a registry key stays
    // when its last value goes, so it can still be removed by name.
    change([&] {
        Application* application = applications_.find(app);
        if (!application)
            runtime::raise(runtime::err::InvalidProcedureCall);
        if (section.isEmpty()) {
            applications_.remove(app);
            return;
        }
        Section* found = application->find(section);
        if (!found)
            runtime::raise(runtime::err::InvalidProcedureCall);
        if (key.isEmpty())
            application->remove(section);
        else if (!found->remove(key))
            runtime::raise(runtime::err::InvalidProcedureCall);
    });
}

QList<QPair<QString, QString>> Store::all(const QString& app, const QString& section)
{
    load();
    QList<QPair<QString, QString>> pairs;
    if (const Application* application = applications_.find(app))
        if (const Section* found = application->find(section))
            for (const auto& entry : found->entries())
                pairs.append({entry.name, entry.value});
    return pairs;
}

void Store::load()
{
    file_.read([this](const QJsonObject& document) { parse(document); });
}

void Store::change(const std::function<void()>& edit)
{
    file_.update([this](const QJsonObject& document) { parse(document); },
                 [&] {
                     edit();
                     return toJson();
                 });
}

void Store::parse(const QJsonObject& document)
{
    applications_.clear();
    for (const QJsonValue& appValue : arrayOf(document, Applications)) {
        const QJsonObject appObject = objectAt(appValue, Applications);
        Application& application = addUnique(applications_, stringOf(appObject, Name, Applications), Applications);
        for (const QJsonValue& sectionValue : arrayOf(appObject, Sections)) {
            const QJsonObject sectionObject = objectAt(sectionValue, Sections);
            Section& section = addUnique(application, stringOf(sectionObject, Name, Sections), Sections);
            for (const QJsonValue& keyValue : arrayOf(sectionObject, Keys)) {
                const QJsonObject keyObject = objectAt(keyValue, Keys);
                addUnique(section, stringOf(keyObject, Name, Keys), Keys) = stringOf(keyObject, Value, Keys);
            }
        }
    }
}

QJsonObject Store::toJson() const
{
    QJsonArray apps;
    for (const auto& app : applications_.entries()) {
        QJsonArray sections;
        for (const auto& section : app.value.entries()) {
            QJsonArray keys;
            for (const auto& key : section.value.entries())
                keys.append(QJsonObject{{Name, key.name}, {Value, key.value}});
            sections.append(QJsonObject{{Name, section.name}, {Keys, keys}});
        }
        apps.append(QJsonObject{{Name, app.name}, {Sections, sections}});
    }
    return QJsonObject{{Applications, apps}};
}

}  // namespace settings
