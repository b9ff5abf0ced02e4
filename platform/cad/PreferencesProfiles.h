#pragma once
// The host's user profiles; only the active one's name is used.

#include <QString>

namespace cad {

class PreferencesProfiles {
public:
    virtual ~PreferencesProfiles() = default;
    virtual QString activeProfile() const = 0;
    virtual void setActiveProfile(const QString& profile) = 0;
};

}  // namespace cad
