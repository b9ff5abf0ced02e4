#include "platform/cad/remote/ProxyBase.h"

#include "platform/cad/CadErrors.h"

namespace remote {

ProxyBase::ProxyBase(std::shared_ptr<Channel> channel, quint64 handle, const InterfaceInfo& kind)
    : channel_(std::move(channel)), handle_(handle), kind_(kind)
{
}

ProxyBase::~ProxyBase() { channel_->proxyGone(handle_, this, references_); }

const MemberInfo& ProxyBase::entry(const MemberInfo* found)
{
    if (!found)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the member is missing from the member table"));
    return *found;
}

}  // namespace remote
