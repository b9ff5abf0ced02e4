#pragma once
// Strict reading of the store files' JSON: members of the wrong shape and
// names listed twice are damage. A list that is absent reads as empty.

#include "platform/settings/DocumentFile.h"
#include "platform/settings/NamedList.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace settings::json {

QJsonArray arrayOf(const QJsonObject& object, const QString& member);
QJsonObject objectAt(const QJsonValue& value, const QString& list);
QString stringOf(const QJsonObject& object, const QString& member, const QString& list);

// A name met twice would make the later entry unreachable; the stores never
// write that, so it means the file was edited or mangled.
template <typename T>
T& addUnique(NamedList<T>& list, const QString& name, const QString& listName)
{
    if (list.find(name))
        throw DocumentFile::Damage{QStringLiteral("\"%1\" is listed twice in \"%2\"").arg(name, listName)};
    return list.obtain(name);
}

}  // namespace settings::json
