#include "platform/settings/JsonReading.h"

namespace settings::json {

QJsonArray arrayOf(const QJsonObject& object, const QString& member)
{
    const QJsonValue value = object.value(member);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw DocumentFile::Damage{QStringLiteral("\"%1\" is not a list").arg(member)};
    return value.toArray();
}

QJsonObject objectAt(const QJsonValue& value, const QString& list)
{
    if (!value.isObject())
        throw DocumentFile::Damage{QStringLiteral("an entry of \"%1\" is not an object").arg(list)};
    return value.toObject();
}

QString stringOf(const QJsonObject& object, const QString& member, const QString& list)
{
    const QJsonValue value = object.value(member);
    if (!value.isString())
        throw DocumentFile::Damage{QStringLiteral("an entry of \"%1\" has no text \"%2\"").arg(list, member)};
    return value.toString();
}

}  // namespace settings::json
