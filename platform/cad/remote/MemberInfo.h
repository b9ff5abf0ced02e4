#pragma once
// One member of an interface as the table records it: the name it travels
// under, the interface that declares it, whether it waits for the person at
// the host, and how to serve it (decode the arguments, call the real object,
// encode the result). The calling end finds the same entry by the member's
// pointer, so a proxy's override and the host's dispatch use one record.

#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/MemberTraits.h"

#include <QString>
#include <functional>
#include <memory>
#include <type_traits>

namespace remote {

class InterfaceInfo;

class MemberInfo {
public:
    MemberInfo(QString name, const InterfaceInfo& owner) : name_(std::move(name)), owner_(owner) {}
    virtual ~MemberInfo() = default;
    MemberInfo(const MemberInfo&) = delete;
    MemberInfo& operator=(const MemberInfo&) = delete;

    const QString& name() const { return name_; }
    const InterfaceInfo& owner() const { return owner_; }
    bool waitsForUser() const { return waitsForUser_; }
    void setWaitsForUser() { waitsForUser_ = true; }

    // The host's side: `self` points at the owner interface of a real object.
    virtual void serve(const std::shared_ptr<void>& self, WireReader& arguments, WireWriter& result,
                       ObjectBridge& bridge) const = 0;
    // Calls the member on `self` (the owner interface) with default-made
    // arguments; tests use it to see that a proxy forwards every member.
    virtual void callWithDefaults(const std::shared_ptr<void>& self) const = 0;

private:
    QString name_;
    const InterfaceInfo& owner_;
    bool waitsForUser_ = false;
};

// The entry of one member pointer type, so the calling end can match the
// pointer it is given.
template <typename PM>
class PointerMember : public MemberInfo {
public:
    PointerMember(QString name, const InterfaceInfo& owner, PM pointer)
        : MemberInfo(std::move(name), owner), pointer_(pointer)
    {
    }
    PM pointer() const { return pointer_; }

protected:
    PM pointer_;
};

// A member of interface K.
template <class K, typename PM>
class TypedMember : public PointerMember<PM> {
public:
    using Traits = MemberTraits<PM>;
    using Result = typename Traits::Result;
    struct Nothing {};
    using Value = std::conditional_t<std::is_void_v<Result>, Nothing, std::decay_t<Result>>;
    // Undoes what the member did, given its result (a subscription's id).
    using Undo = std::function<void(K&, const Value&)>;

    using PointerMember<PM>::PointerMember;

    void setUndoOnClose(Undo undo) { undo_ = std::move(undo); }

    void serve(const std::shared_ptr<void>& self, WireReader& arguments, WireWriter& result,
               ObjectBridge& bridge) const override
    {
        K* object = static_cast<K*>(self.get());
        auto values = readValues(arguments, bridge, static_cast<typename Traits::Parameters*>(nullptr));
        const PM pointer = this->pointer_;
        if constexpr (std::is_void_v<Result>) {
            std::apply([&](auto&... value) { (object->*pointer)(value...); }, values);
        } else {
            const Value value =
                std::apply([&](auto&... argument) { return (object->*pointer)(argument...); }, values);
            if (undo_) {
                auto undo = undo_;
                std::shared_ptr<void> keep = self;
                bridge.undoOnClose([undo, keep, value] { undo(*static_cast<K*>(keep.get()), value); });
            }
            Codec<std::decay_t<Result>>::write(result, value, bridge);
        }
    }

    void callWithDefaults(const std::shared_ptr<void>& self) const override
    {
        K* object = static_cast<K*>(self.get());
        typename Traits::Values values{};
        const PM pointer = this->pointer_;
        std::apply([&](auto&... value) { (void)(object->*pointer)(value...); }, values);
    }

private:
    template <typename... A>
    static ValueTuple<A...> readValues(WireReader& in, ObjectBridge& bridge, std::tuple<A...>*)
    {
        return readArguments<A...>(in, bridge);
    }

    Undo undo_;
};

}  // namespace remote
