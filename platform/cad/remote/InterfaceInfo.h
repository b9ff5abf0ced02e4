#pragma once
// One interface of the object model as both ends know it: its name, its
// members (the table), the interfaces it extends and those that extend it,
// and the type-aware steps the ends need without knowing the type: casting an
// object between its interfaces, finding the most specific interface an
// object has, its identity, and making the proxy of a handle.

#include "platform/cad/remote/MemberInfo.h"

#include <QString>
#include <functional>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

namespace remote {

class Channel;
class ProxyBase;

class InterfaceInfo {
public:
    using Cast = std::function<std::shared_ptr<void>(const std::shared_ptr<void>&)>;
    using Identity = std::function<const void*(const std::shared_ptr<void>&)>;
    using ProxyOf = std::function<const ProxyBase*(const std::shared_ptr<void>&)>;
    // The proxy made for a handle, pointing at this interface, and its base.
    using ProxyMaker =
        std::function<std::pair<std::shared_ptr<void>, ProxyBase*>(std::shared_ptr<Channel>, quint64 handle)>;

    InterfaceInfo(QString name, std::type_index type);
    InterfaceInfo(const InterfaceInfo&) = delete;
    InterfaceInfo& operator=(const InterfaceInfo&) = delete;

    // "Document"; on the wire "org.tarvo.cad.Document".
    const QString& name() const { return name_; }
    const QString& wireName() const { return wireName_; }
    std::type_index type() const { return type_; }

    // The members this interface declares, in table order.
    const std::vector<std::unique_ptr<MemberInfo>>& members() const { return members_; }
    // By name: this interface's own, then those of the interfaces it extends.
    const MemberInfo* member(const QString& name) const;
    // By pointer, the same way.
    template <typename PM>
    const MemberInfo* member(PM pointer) const
    {
        for (const auto& entry : members_) {
            const auto* typed = dynamic_cast<const PointerMember<PM>*>(entry.get());
            if (typed && typed->pointer() == pointer)
                return entry.get();
        }
        for (const Link& base : bases_) {
            if (const MemberInfo* found = base.info->member(pointer))
                return found;
        }
        return nullptr;
    }

    // True when this is `other` or extends it.
    bool isA(const InterfaceInfo& other) const;
    // The object (pointing at this interface) as `target`; null when this
    // interface does not extend the target.
    std::shared_ptr<void> upcast(const std::shared_ptr<void>& object, const InterfaceInfo& target) const;
    // The most specific interface among this one and those extending it that
    // the object has, with the object as that interface.
    std::pair<const InterfaceInfo*, std::shared_ptr<void>> mostSpecific(const std::shared_ptr<void>& object) const;
    // The address of the whole object, the same through every interface.
    const void* identity(const std::shared_ptr<void>& object) const { return identity_(object); }
    // The proxy behind the object, when it is one.
    const ProxyBase* proxyOf(const std::shared_ptr<void>& object) const { return proxyOf_(object); }
    std::pair<std::shared_ptr<void>, ProxyBase*> makeProxy(std::shared_ptr<Channel> channel, quint64 handle) const;
    bool hasProxy() const { return static_cast<bool>(makeProxy_); }

    std::vector<const InterfaceInfo*> bases() const;

private:
    template <class K>
    friend class InterfaceBuilder;

    struct Link {
        const InterfaceInfo* info;
        Cast cast;
    };

    QString name_;
    QString wireName_;
    std::type_index type_;
    std::vector<std::unique_ptr<MemberInfo>> members_;
    std::vector<Link> bases_;    // upcasts
    std::vector<Link> derived_;  // checked downcasts
    Identity identity_;
    ProxyOf proxyOf_;
    ProxyMaker makeProxy_;
};

}  // namespace remote
