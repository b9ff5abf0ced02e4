#pragma once
// The stand-in host's preferences: the active profile's name and file paths,
// kept in the host context so a real run can store them between starts.

#include "platform/cad/Preferences.h"
#include "platform/cad/standin/ProfileState.h"

#include <memory>

namespace standin {

class HostContext;

class Preferences : public cad::Preferences,
                    public cad::PreferencesFiles,
                    public cad::PreferencesProfiles,
                    public std::enable_shared_from_this<Preferences> {
public:
    explicit Preferences(std::shared_ptr<HostContext> context) : context_(std::move(context)) {}

    std::shared_ptr<cad::PreferencesFiles> files() const override;
    std::shared_ptr<cad::PreferencesProfiles> profiles() const override;

    QString supportPath() const override;
    void setSupportPath(const QString& path) override;
    QString templateDwgPath() const override;
    void setTemplateDwgPath(const QString& path) override;
    QString printerStyleSheetPath() const override;
    void setPrinterStyleSheetPath(const QString& path) override;

    QString activeProfile() const override;
    void setActiveProfile(const QString& profile) override;

private:
    // A path of the profile: read with the guards; written journalled with
    // the value, then kept in the profile.
    QString path(const QString& member, QString ProfileState::*field) const;
    void setPath(const QString& member, QString ProfileState::*field, const QString& value);

    std::shared_ptr<HostContext> context_;
};

}  // namespace standin
