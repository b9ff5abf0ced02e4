#pragma once
// What the set-up wizard hands to the window that opened it: the projects
// root the user chose, and the news that the wizard has closed.

#include <QString>

namespace kandrel {

class WizardOwner {
public:
    virtual ~WizardOwner() = default;
    virtual void setProjectPrefix(const QString& prefix) = 0;
    virtual void wizardClosed() = 0;
};

}  // namespace kandrel
