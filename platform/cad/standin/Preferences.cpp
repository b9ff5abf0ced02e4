#include "platform/cad/standin/Preferences.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/HostContext.h"

namespace standin {

namespace {

QString filesMember(const char* name) { return QStringLiteral("PreferencesFiles.") + QLatin1String(name); }

}  // namespace

QString Preferences::path(const QString& member, QString ProfileState::*field) const
{
    context_->enter(member);
    return context_->profile().*field;
}

void Preferences::setPath(const QString& member, QString ProfileState::*field, const QString& value)
{
    context_->act(member, value);
    ProfileState profile = context_->profile();
    profile.*field = value;
    context_->setProfile(profile);
}

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

QString Preferences::supportPath() const { return path(filesMember("SupportPath"), &ProfileState::supportPath); }

void Preferences::setSupportPath(const QString& path)
{
    setPath(filesMember("SupportPath"), &ProfileState::supportPath, path);
}

QString Preferences::templateDwgPath() const
{
    return path(filesMember("TemplateDwgPath"), &ProfileState::templateDwgPath);
}

void Preferences::setTemplateDwgPath(const QString& path)
{
    setPath(filesMember("TemplateDwgPath"), &ProfileState::templateDwgPath, path);
}

QString Preferences::printerStyleSheetPath() const
{
    return path(filesMember("PrinterStyleSheetPath"), &ProfileState::printerStyleSheetPath);
}

void Preferences::setPrinterStyleSheetPath(const QString& path)
{
    setPath(filesMember("PrinterStyleSheetPath"), &ProfileState::printerStyleSheetPath, path);
}

QString Preferences::activeProfile() const
{
    return path(QStringLiteral("PreferencesProfiles.ActiveProfile"), &ProfileState::activeProfile);
}

void Preferences::setActiveProfile(const QString& profile)
{
    context_->act(QStringLiteral("PreferencesProfiles.ActiveProfile"), profile);
    // Assumption: the host keeps one profile; naming another is refused.
    if (profile.compare(context_->profile().activeProfile, Qt::CaseInsensitive) != 0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("no profile %1").arg(profile));
}

}  // namespace standin
