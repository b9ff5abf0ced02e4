#pragma once
// What every proxy of a remote object shares: the channel it calls through,
// the handle it stands for, the interface it was made as, and the one call
// that forwards a member. A proxy's override is one line,
//   QVariant getVariable(const QString& n) const override { return call(&cad::Document::getVariable, n); }
// and the member table supplies the name, the encoding of the arguments and
// the decoding of the result. When a proxy goes, the host is told to give up
// the references it handed out for that handle.

#include "platform/cad/remote/Channel.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/MemberTraits.h"
#include "platform/cad/remote/Schema.h"

#include <memory>
#include <type_traits>

namespace remote {

class ProxyBase {
public:
    ProxyBase(std::shared_ptr<Channel> channel, quint64 handle, const InterfaceInfo& kind);
    virtual ~ProxyBase();
    ProxyBase(const ProxyBase&) = delete;
    ProxyBase& operator=(const ProxyBase&) = delete;

    quint64 handle() const { return handle_; }
    const Channel* channel() const { return channel_.get(); }
    const InterfaceInfo& kind() const { return kind_; }
    // The host handed this handle out once more.
    void countReference() { ++references_; }

protected:
    template <typename PM, typename... Given>
    typename MemberTraits<PM>::Result call(PM pointer, Given&&... given) const
    {
        using Traits = MemberTraits<PM>;
        using Result = typename Traits::Result;
        const MemberInfo& member = entry(kind_.member(pointer));
        WireWriter out;
        writeValues(out, static_cast<typename Traits::Parameters*>(nullptr), std::forward<Given>(given)...);
        const QByteArray answer = channel_->invoke(handle_, member, out.bytes());
        WireReader in(answer);
        if constexpr (std::is_void_v<Result>) {
            in.expectEnd();
        } else {
            std::decay_t<Result> value = Codec<std::decay_t<Result>>::read(in, *channel_);
            in.expectEnd();
            return value;
        }
    }

private:
    template <typename... A, typename... Given>
    void writeValues(WireWriter& out, std::tuple<A...>*, Given&&... given) const
    {
        static_assert(sizeof...(A) == sizeof...(Given), "a proxy passes every parameter of its member");
        (Codec<std::decay_t<A>>::write(out, static_cast<const std::decay_t<A>&>(given), *channel_), ...);
    }

    // The table's entry; a proxy line whose member is missing from the table
    // fails as the host's exception.
    static const MemberInfo& entry(const MemberInfo* found);

    std::shared_ptr<Channel> channel_;
    quint64 handle_;
    const InterfaceInfo& kind_;
    quint64 references_ = 1;
};

}  // namespace remote
