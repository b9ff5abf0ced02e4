#include "project/kandrel/SupportPath.h"

#include <QStringList>

namespace kandrel {

namespace {

QString withoutTrailingSeparator(QString folder)
{
    while (folder.endsWith(u'\\'))
        folder.chop(1);
    return folder;
}

}  // namespace

bool SupportPath::sameFolder(const QString& a, const QString& b)
{
    return withoutTrailingSeparator(a).compare(withoutTrailingSeparator(b), Qt::CaseInsensitive) == 0;
}

QString SupportPath::withProject(const QString& supportPath, const QString& previousFolder,
                                 const QString& projectFolder)
{
    if (supportPath.isEmpty())
        return projectFolder;
    QStringList entries = supportPath.split(u';');
    bool replaced = false;
    if (!withoutTrailingSeparator(previousFolder).isEmpty()) {
        for (QString& entry : entries) {
            if (sameFolder(entry, previousFolder)) {
                entry = projectFolder;
                replaced = true;
            }
        }
    }
    if (!replaced)
        entries.append(projectFolder);
    return entries.join(u';');
}

}  // namespace kandrel
