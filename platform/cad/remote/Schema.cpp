#include "platform/cad/remote/Schema.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Protocol.h"

namespace remote {

Schema::Schema() { defineInterfaces(); }

const Schema& Schema::instance()
{
    static const Schema schema;
    return schema;
}

const InterfaceInfo& Schema::of(std::type_index type) const
{
    const auto found = byType_.find(type);
    if (found == byType_.end())
        cad::raise(cad::err::ExceptionOccurred,
                   QStringLiteral("no interface for %1").arg(QString::fromLatin1(type.name())));
    return *found->second;
}

InterfaceInfo& Schema::mutableOf(std::type_index type)
{
    return const_cast<InterfaceInfo&>(static_cast<const Schema*>(this)->of(type));
}

const InterfaceInfo* Schema::byName(const QString& name) const { return byName_.value(name); }

const InterfaceInfo* Schema::byWireName(const QString& wireName) const
{
    if (!wireName.startsWith(protocol::InterfacePrefix))
        return nullptr;
    return byName(wireName.mid(protocol::InterfacePrefix.size()));
}

}  // namespace remote
