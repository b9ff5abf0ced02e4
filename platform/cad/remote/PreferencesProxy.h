#pragma once
// The host's preferences, as a tool holds them.

#include "platform/cad/Preferences.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class PreferencesProxy : public cad::Preferences, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    std::shared_ptr<cad::PreferencesFiles> files() const override { return call(&cad::Preferences::files); }
    std::shared_ptr<cad::PreferencesProfiles> profiles() const override { return call(&cad::Preferences::profiles); }
};

}  // namespace remote
