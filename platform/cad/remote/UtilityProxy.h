#pragma once
// The prompts of a document in the host, as a tool holds them. A prompt
// waits for the person at the host, without a time limit.

#include "platform/cad/Utility.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class UtilityProxy : public cad::Utility, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    cad::Point getPoint(const std::optional<cad::Point>& base, const QString& prompt) override { return call(&cad::Utility::getPoint, base, prompt); }
};

}  // namespace remote
