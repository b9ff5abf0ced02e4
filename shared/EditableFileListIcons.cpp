#include "shared/EditableFileListIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace suite {

namespace {

constexpr int Size = 16;

QIcon drawn(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon arrow(bool pointsUp)
{
    return drawn([pointsUp](QPainter& p) {
        QPolygonF shape;
        const qreal tip = pointsUp ? 2 : 14;
        const qreal base = 8;
        const qreal end = pointsUp ? 14 : 2;
        shape << QPointF(8, tip) << QPointF(14, base) << QPointF(10.5, base) << QPointF(10.5, end)
              << QPointF(5.5, end) << QPointF(5.5, base) << QPointF(2, base);
        p.setPen(QPen(QColor(0, 64, 128), 1));
        p.setBrush(QColor(40, 120, 200));
        p.drawPolygon(shape);
    });
}

}  // namespace

QIcon EditableFileListIcons::clearAll()
{
    return drawn([](QPainter& p) {
        QPainterPath sheet;
        sheet.moveTo(3.5, 1.5);
        sheet.lineTo(10.5, 1.5);
        sheet.lineTo(13.5, 4.5);
        sheet.lineTo(13.5, 14.5);
        sheet.lineTo(3.5, 14.5);
        sheet.closeSubpath();
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(Qt::white);
        p.drawPath(sheet);
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
        p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
    });
}

QIcon EditableFileListIcons::remove()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon EditableFileListIcons::up() { return arrow(true); }

QIcon EditableFileListIcons::down() { return arrow(false); }

}  // namespace suite
