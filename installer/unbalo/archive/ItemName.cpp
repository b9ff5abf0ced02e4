#include "installer/unbalo/archive/ItemName.h"

#include "installer/unbalo/archive/ArchiveFormat.h"

#include <algorithm>

namespace unbalo {

QString ItemName::problem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("it is empty");
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("it names a folder, not a file");
    for (const QChar c : name) {
        if (c == u'\\' || c == u'/')
            return QStringLiteral("it holds a folder separator");
        if (c == u':')
            return QStringLiteral("it holds a drive colon");
        // C0 and C1 controls, NUL and CR among them.
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return QStringLiteral("it holds a control character");
        if (c.unicode() > 0xFF)
            return QStringLiteral("it holds a character outside the single-byte code page");
    }
    if (name.size() > ArchiveFormat::MaxNameLength)
        return QStringLiteral("it is longer than %1 characters").arg(ArchiveFormat::MaxNameLength);
    return {};
}

QByteArray ItemName::encode(const QString& name) { return name.toLatin1(); }

QString ItemName::decode(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

QString ItemName::ofPath(const QString& sourcePath)
{
    const qsizetype cut = std::max(sourcePath.lastIndexOf(u'\\'), sourcePath.lastIndexOf(u'/'));
    return sourcePath.mid(cut + 1);
}

}  // namespace unbalo
