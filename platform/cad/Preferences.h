#pragma once
// The application's preferences: file paths and profiles.

#include "platform/cad/PreferencesFiles.h"
#include "platform/cad/PreferencesProfiles.h"

#include <memory>

namespace cad {

class Preferences {
public:
    virtual ~Preferences() = default;
    virtual std::shared_ptr<PreferencesFiles> files() const = 0;
    virtual std::shared_ptr<PreferencesProfiles> profiles() const = 0;
};

}  // namespace cad
