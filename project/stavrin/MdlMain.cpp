#include "project/stavrin/MdlMain.h"

#include "platform/cad/Application.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Program.h"
#include "platform/settings/Store.h"
#include "project/stavrin/Variants.h"
#include "shared/AcadProj.h"

namespace stavrin {

namespace {

const QString Section = QStringLiteral("Settings");
const QString Location = QStringLiteral("Location");

QString withSeparator(const QString& folder) { return folder.endsWith(u'\\') ? folder : folder + u'\\'; }

}  // namespace

bool MdlMain::AcadProj()
{
    suite::AttachHooks hooks;
    hooks.report = [this](const QString& location, const runtime::Error& error) {
        return report.report(location, error);
    };
    return suite::acadProj(env, connection, AttachVariant, hooks);
}

QString MdlMain::templateFolder() const
{
    QString folder = env.settings->get(env.program->title, Section, Location);
    if (folder.isEmpty())
        folder = connection.doc().application()->preferences()->files()->templateDwgPath();
    // No folder at all lists nothing, rather than whatever folder an empty
    // path would fall back to.
    return folder.isEmpty() ? QString() : withSeparator(folder);
}

void MdlMain::setLocation(const QString& folder)
{
    // The browser gives a drive's root with its "\" already: it keeps one.
    env.settings->save(env.program->title, Section, Location, withSeparator(folder));
}

QStringList MdlMain::templatesIn(const QString& folder) const
{
    if (folder.isEmpty())
        return {};
    QStringList names;
    try {
        names = env.files->listFiles(folder);
    } catch (const runtime::Error& error) {
        if (error.number() == runtime::err::PathNotFound || error.number() == runtime::err::DeviceUnavailable
            || error.number() == runtime::err::FileNotFound)
            return {};
        throw;
    }
    QStringList templates;
    for (const QString& name : names) {
        const QString end = name.right(3);
        if (end == QLatin1String("DWT") || end == QLatin1String("dwt"))
            templates.append(name);
    }
    return templates;
}

}  // namespace stavrin
