#pragma once
// The host's user profiles, as a tool holds them.

#include "platform/cad/PreferencesProfiles.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class PreferencesProfilesProxy : public cad::PreferencesProfiles, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString activeProfile() const override { return call(&cad::PreferencesProfiles::activeProfile); }
    void setActiveProfile(const QString& profile) override { return call(&cad::PreferencesProfiles::setActiveProfile, profile); }
};

}  // namespace remote
