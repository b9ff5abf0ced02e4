#include "platform/shell/ProgramIcons.h"

#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace shell {

namespace {

constexpr int IconSize = 32;

// Tile colours dark enough for a white letter.
const QColor TileColours[] = {
    QColor(0x1f, 0x4e, 0x79), QColor(0x8c, 0x2d, 0x19), QColor(0x2e, 0x6b, 0x30), QColor(0x6a, 0x3d, 0x9a),
    QColor(0x9c, 0x5b, 0x00), QColor(0x00, 0x6d, 0x77), QColor(0x7b, 0x1f, 0x4b), QColor(0x44, 0x4f, 0x5a),
};

QPixmap blankPixmap()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The same name always gives the same colour, whatever run draws it.
QColor colourFor(const QString& name)
{
    quint32 sum = 0;
    for (QChar c : name)
        sum = sum * 31u + c.unicode();
    return TileColours[sum % (sizeof(TileColours) / sizeof(TileColours[0]))];
}

}  // namespace

QString ProgramIcons::programName(const QString& path)
{
    const qsizetype nameStart = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1;
    QString name = path.mid(nameStart);
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name.toCaseFolded();
}

QIcon ProgramIcons::suiteIcon(const QString& programName)
{
    const QString name = ProgramIcons::programName(programName);
    QPixmap pixmap = blankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colourFor(name));
    painter.drawRoundedRect(QRectF(1, 1, IconSize - 2, IconSize - 2), 6, 6);
    QFont font = painter.font();
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, IconSize, IconSize), Qt::AlignCenter, name.left(1).toUpper());
    painter.end();
    return QIcon(pixmap);
}

QIcon ProgramIcons::plainIcon()
{
    // A window: a title bar over a pale client area.
    QPixmap pixmap = blankPixmap();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
    painter.drawRect(3, 5, IconSize - 7, IconSize - 11);
    painter.fillRect(4, 6, IconSize - 8, 5, QColor(0x1f, 0x4e, 0x79));
    painter.end();
    return QIcon(pixmap);
}

QIcon ProgramIcons::desktopIcon(const QString& hostPath)
{
    const QFileInfo file(hostPath);
    if (hostPath.isEmpty() || !file.exists())
        return {};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    for (const QString& name : {type.iconName(), type.genericIconName()}) {
        const QIcon themed = QIcon::fromTheme(name);
        if (!themed.isNull())
            return themed;
    }
    // Position-independent programs read as shared libraries by their content.
    if (file.isExecutable() && file.isFile()) {
        const QIcon executable = QIcon::fromTheme(QStringLiteral("application-x-executable"));
        if (!executable.isNull())
            return executable;
    }
    return plainIcon();
}

}  // namespace shell
