#include "launchers/ploven/LispFolder.h"

#include "platform/files/FileSystem.h"

namespace ploven {

QString LispFolder::folderOf(const QString& location)
{
    bool doubled = location.contains(u'\\');
    for (qsizetype i = 0; i < location.size() && doubled;) {
        if (location[i] != u'\\') {
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i < location.size() && location[i] == u'\\') {
            ++run;
            ++i;
        }
        doubled = run % 2 == 0;
    }
    QString folder = location;
    if (doubled)
        folder.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (!folder.isEmpty() && !folder.endsWith(u'\\') && !folder.endsWith(u'/'))
        folder += u'\\';
    return folder;
}

bool LispFolder::isLispFile(const QString& name)
{
    const QString end = name.right(3);
    return name.size() >= 3 && (end == QLatin1String("lsp") || end == QLatin1String("LSP"));
}

LispFolder::Listing LispFolder::list(const files::FileSystem& files, const QString& location, int limit)
{
    const QStringList names = files.listFiles(folderOf(location));
    Listing listing;
    listing.anyFile = !names.isEmpty();
    // Past the limit the rest of the folder is left out, not the whole list.
    for (const QString& name : names.mid(0, limit)) {
        if (isLispFile(name))
            listing.lispFiles.append(name);
    }
    return listing;
}

}  // namespace ploven
