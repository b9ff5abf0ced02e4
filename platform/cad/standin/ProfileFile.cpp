#include "platform/cad/standin/ProfileFile.h"

#include "platform/cad/standin/HostContext.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QHash>
#include <QStringList>
#include <QtDebug>

namespace standin {

const QString ProfileFile::FileName = QStringLiteral("standin-profile.txt");

namespace {

const QStringList Keys = {QStringLiteral("Profile"), QStringLiteral("SupportPath"),
                          QStringLiteral("TemplateDwgPath"), QStringLiteral("PrinterStyleSheetPath"),
                          QStringLiteral("SDI"), QStringLiteral("RememberFolders")};

bool flagValue(const QString& text, int& value)
{
    if (text != QLatin1String("0") && text != QLatin1String("1"))
        return false;
    value = text.toInt();
    return true;
}

}  // namespace

void ProfileFile::load(HostContext& context, const QString& path)
{
    files::FileSystem& files = context.files();
    if (!files.fileExists(path))
        return;
    QHash<QString, QString> values;
    try {
        for (const QString& line : files.readLines(path)) {
            if (line.isEmpty())
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            const QString key = line.left(equals);
            if (equals < 0 || !Keys.contains(key) || values.contains(key)) {
                qWarning("Stand-in host: ignoring %s (bad line \"%s\")", qPrintable(path), qPrintable(line));
                return;
            }
            values.insert(key, line.mid(equals + 1));
        }
    } catch (const runtime::Error& error) {
        qWarning("Stand-in host: cannot read %s (%s)", qPrintable(path), qPrintable(error.description()));
        return;
    }
    int sdi = context.appVariable(QStringLiteral("SDI")).toInt();
    int remember = context.appVariable(QStringLiteral("REMEMBERFOLDERS")).toInt();
    if ((values.contains(QStringLiteral("SDI")) && !flagValue(values.value(QStringLiteral("SDI")), sdi))
        || (values.contains(QStringLiteral("RememberFolders"))
            && !flagValue(values.value(QStringLiteral("RememberFolders")), remember))) {
        qWarning("Stand-in host: ignoring %s (bad value)", qPrintable(path));
        return;
    }
    ProfileState profile = context.profile();
    profile.activeProfile = values.value(QStringLiteral("Profile"), profile.activeProfile);
    profile.supportPath = values.value(QStringLiteral("SupportPath"), profile.supportPath);
    profile.templateDwgPath = values.value(QStringLiteral("TemplateDwgPath"), profile.templateDwgPath);
    profile.printerStyleSheetPath =
        values.value(QStringLiteral("PrinterStyleSheetPath"), profile.printerStyleSheetPath);
    context.setProfile(profile);
    context.setAppVariable(QStringLiteral("SDI"), sdi);
    context.setAppVariable(QStringLiteral("REMEMBERFOLDERS"), remember);
}

void ProfileFile::save(HostContext& context, const QString& path)
{
    const ProfileState& profile = context.profile();
    const QStringList lines = {
        QStringLiteral("Profile=") + profile.activeProfile,
        QStringLiteral("SupportPath=") + profile.supportPath,
        QStringLiteral("TemplateDwgPath=") + profile.templateDwgPath,
        QStringLiteral("PrinterStyleSheetPath=") + profile.printerStyleSheetPath,
        QStringLiteral("SDI=") + QString::number(context.appVariable(QStringLiteral("SDI")).toInt()),
        QStringLiteral("RememberFolders=")
            + QString::number(context.appVariable(QStringLiteral("REMEMBERFOLDERS")).toInt()),
    };
    try {
        context.files().writeLines(path, lines);
    } catch (const runtime::Error& error) {
        qWarning("Stand-in host: cannot write %s (%s)", qPrintable(path), qPrintable(error.description()));
    }
}

}  // namespace standin
