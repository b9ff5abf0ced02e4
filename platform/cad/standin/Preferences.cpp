#include "platform/cad/standin/Preferences.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/HostContext.h"

namespace standin {

std::shared_ptr<cad::PreferencesFiles> Preferences::files() const
{
    context_->enter(QStringLiteral("Preferences.Files"));
    return std::const_pointer_cast<Preferences>(shared_from_this());
}

std::shared_ptr<cad::PreferencesProfiles> Preferences::profiles() const
{
    context_->enter(QStringLiteral("Preferences.Profiles"));
    return std::const_pointer_cast<Preferences>(shared_from_this());
}

QString Preferences::supportPath() const
{
    context_->enter(QStringLiteral("PreferencesFiles.SupportPath"));
    return context_->profile().supportPath;
}

void Preferences::setSupportPath(const QString& path)
{
    context_->act(QStringLiteral("PreferencesFiles.SupportPath"), path);
    ProfileState profile = context_->profile();
    profile.supportPath = path;
    context_->setProfile(profile);
}

QString Preferences::templateDwgPath() const
{
    context_->enter(QStringLiteral("PreferencesFiles.TemplateDwgPath"));
    return context_->profile().templateDwgPath;
}

void Preferences::setTemplateDwgPath(const QString& path)
{
    context_->act(QStringLiteral("PreferencesFiles.TemplateDwgPath"), path);
    ProfileState profile = context_->profile();
    profile.templateDwgPath = path;
    context_->setProfile(profile);
}

QString Preferences::printerStyleSheetPath() const
{
    context_->enter(QStringLiteral("PreferencesFiles.PrinterStyleSheetPath"));
    return context_->profile().printerStyleSheetPath;
}

void Preferences::setPrinterStyleSheetPath(const QString& path)
{
    context_->act(QStringLiteral("PreferencesFiles.PrinterStyleSheetPath"), path);
    ProfileState profile = context_->profile();
    profile.printerStyleSheetPath = path;
    context_->setProfile(profile);
}

QString Preferences::activeProfile() const
{
    context_->enter(QStringLiteral("PreferencesProfiles.ActiveProfile"));
    return context_->profile().activeProfile;
}

void Preferences::setActiveProfile(const QString& profile)
{
    context_->act(QStringLiteral("PreferencesProfiles.ActiveProfile"), profile);
    // Assumption: the host keeps one profile; naming another is refused.
    if (profile.compare(context_->profile().activeProfile, Qt::CaseInsensitive) != 0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("no profile %1").arg(profile));
}

}  // namespace standin
