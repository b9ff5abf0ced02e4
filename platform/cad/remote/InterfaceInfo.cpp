#include "platform/cad/remote/InterfaceInfo.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Protocol.h"

namespace remote {

InterfaceInfo::InterfaceInfo(QString name, std::type_index type)
    : name_(std::move(name)), wireName_(protocol::InterfacePrefix + name_), type_(type)
{
}

const MemberInfo* InterfaceInfo::member(const QString& name) const
{
    for (const auto& entry : members_) {
        if (entry->name() == name)
            return entry.get();
    }
    for (const Link& base : bases_) {
        if (const MemberInfo* found = base.info->member(name))
            return found;
    }
    return nullptr;
}

bool InterfaceInfo::isA(const InterfaceInfo& other) const
{
    if (this == &other)
        return true;
    for (const Link& base : bases_) {
        if (base.info->isA(other))
            return true;
    }
    return false;
}

std::shared_ptr<void> InterfaceInfo::upcast(const std::shared_ptr<void>& object, const InterfaceInfo& target) const
{
    if (this == &target)
        return object;
    for (const Link& base : bases_) {
        if (base.info->isA(target))
            return base.info->upcast(base.cast(object), target);
    }
    return nullptr;
}

std::pair<const InterfaceInfo*, std::shared_ptr<void>> InterfaceInfo::mostSpecific(
    const std::shared_ptr<void>& object) const
{
    for (const Link& more : derived_) {
        if (std::shared_ptr<void> as = more.cast(object))
            return more.info->mostSpecific(as);
    }
    return {this, object};
}

std::pair<std::shared_ptr<void>, ProxyBase*> InterfaceInfo::makeProxy(std::shared_ptr<Channel> channel,
                                                                      quint64 handle) const
{
    if (!makeProxy_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no proxy for %1").arg(name_));
    return makeProxy_(std::move(channel), handle);
}

std::vector<const InterfaceInfo*> InterfaceInfo::bases() const
{
    std::vector<const InterfaceInfo*> result;
    for (const Link& base : bases_)
        result.push_back(base.info);
    return result;
}

}  // namespace remote
