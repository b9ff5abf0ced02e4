#pragma once
// Writes one interface into the schema, a line per member:
//   define<cad::Layer>("Layer").proxy<LayerProxy>()
//       .member("color", &cad::Layer::color)
//       .member("setColor", &cad::Layer::setColor);
// Options after a member's pointer: `waitsForUser` for a call that waits for
// the person at the host (no time limit at the calling end), and
// `undoneBy(&X::y)` for a member whose result the host must undo when the
// connection closes (a subscription and its unsubscribe).

#include "platform/cad/remote/InterfaceInfo.h"
#include "platform/cad/remote/ProxyBase.h"
#include "platform/cad/remote/Schema.h"

#include <type_traits>

namespace remote {

struct WaitsForUser {};
inline constexpr WaitsForUser waitsForUser{};

template <typename PM>
struct UndoneBy {
    PM pointer;
};

template <typename PM>
UndoneBy<PM> undoneBy(PM pointer)
{
    return {pointer};
}

template <class K>
class InterfaceBuilder {
public:
    InterfaceBuilder(Schema& schema, InterfaceInfo& info) : schema_(schema), info_(info)
    {
        info_.identity_ = [](const std::shared_ptr<void>& object) -> const void* {
            return dynamic_cast<const void*>(static_cast<const K*>(object.get()));
        };
        info_.proxyOf_ = [](const std::shared_ptr<void>& object) -> const ProxyBase* {
            return dynamic_cast<const ProxyBase*>(static_cast<const K*>(object.get()));
        };
    }

    // K extends B: objects of K are B's too, and an object handed out as a B
    // is checked for being a K.
    template <class B>
    InterfaceBuilder& extends()
    {
        static_assert(std::is_base_of_v<B, K>);
        InterfaceInfo& base = schema_.mutableOf(std::type_index(typeid(B)));
        info_.bases_.push_back({&base, [](const std::shared_ptr<void>& object) -> std::shared_ptr<void> {
                                    return std::shared_ptr<B>(std::static_pointer_cast<K>(object));
                                }});
        base.derived_.push_back({&info_, [](const std::shared_ptr<void>& object) -> std::shared_ptr<void> {
                                     return std::dynamic_pointer_cast<K>(std::static_pointer_cast<B>(object));
                                 }});
        return *this;
    }

    template <class P>
    InterfaceBuilder& proxy()
    {
        static_assert(std::is_base_of_v<K, P> && std::is_base_of_v<ProxyBase, P>);
        const InterfaceInfo* info = &info_;
        info_.makeProxy_ = [info](std::shared_ptr<Channel> channel, quint64 handle) {
            auto made = std::make_shared<P>(std::move(channel), handle, *info);
            ProxyBase* base = made.get();
            return std::pair<std::shared_ptr<void>, ProxyBase*>(std::static_pointer_cast<K>(made), base);
        };
        return *this;
    }

    template <typename PM, typename... Options>
    InterfaceBuilder& member(const char* name, PM pointer, Options... options)
    {
        static_assert(std::is_base_of_v<typename MemberTraits<PM>::Class, K>);
        auto entry = std::make_unique<TypedMember<K, PM>>(QString::fromLatin1(name), info_, pointer);
        (apply(*entry, options), ...);
        info_.members_.push_back(std::move(entry));
        return *this;
    }

private:
    template <typename PM>
    static void apply(TypedMember<K, PM>& entry, WaitsForUser)
    {
        entry.setWaitsForUser();
    }

    template <typename PM, typename PMU>
    static void apply(TypedMember<K, PM>& entry, UndoneBy<PMU> undo)
    {
        const PMU pointer = undo.pointer;
        entry.setUndoOnClose(
            [pointer](K& object, const typename TypedMember<K, PM>::Value& result) { (object.*pointer)(result); });
    }

    Schema& schema_;
    InterfaceInfo& info_;
};

template <class K>
InterfaceBuilder<K> Schema::define(const char* name)
{
    auto info = std::make_unique<InterfaceInfo>(QString::fromLatin1(name), std::type_index(typeid(K)));
    InterfaceInfo* raw = info.get();
    interfaces_.push_back(std::move(info));
    byType_.emplace(std::type_index(typeid(K)), raw);
    byName_.insert(raw->name(), raw);
    return InterfaceBuilder<K>(*this, *raw);
}

}  // namespace remote
