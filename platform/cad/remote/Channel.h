#pragma once
// The calling end of one connection as its proxies see it: it sends a member
// call for a handle and returns the encoded answer (raising the host's error),
// and hears when a proxy goes. Besides the real link (ClientLink), tests
// put a recording channel behind proxies.

#include "platform/cad/remote/ObjectBridge.h"

#include <QByteArray>

namespace remote {

class MemberInfo;
class ProxyBase;

class Channel : public ObjectBridge {
public:
    virtual QByteArray invoke(quint64 handle, const MemberInfo& member, const QByteArray& arguments) = 0;
    // The proxy of `handle` is gone; the host had counted `references` of it
    // going to this end.
    virtual void proxyGone(quint64 handle, const ProxyBase* proxy, quint64 references) noexcept = 0;
};

}  // namespace remote
