#include "batch/pollent/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pollent {

ImageList::ImageList() : drawing_(drawDrawing()), operation_(drawOperation()) {}

QIcon ImageList::drawDrawing()
{
    // A sheet with a folded corner and a few drawn lines.
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath sheet;
    sheet.moveTo(2, 1);
    sheet.lineTo(10, 1);
    sheet.lineTo(14, 5);
    sheet.lineTo(14, 15);
    sheet.lineTo(2, 15);
    sheet.closeSubpath();
    p.setPen(QColor(40, 60, 110));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(10, 1, 10, 5);
    p.drawLine(10, 5, 14, 5);
    p.setPen(QColor(30, 110, 200));
    p.drawLine(4, 8, 12, 8);
    p.drawLine(4, 10, 9, 10);
    p.drawRect(4, 12, 4, 1);
    return QIcon(pixmap);
}

QIcon ImageList::drawOperation()
{
    // A green tick on a small square.
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(245, 245, 235));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    QPen tick(QColor(20, 140, 40));
    tick.setWidthF(2.2);
    tick.setCapStyle(Qt::RoundCap);
    tick.setJoinStyle(Qt::RoundJoin);
    p.setPen(tick);
    p.setBrush(Qt::NoBrush);
    const QPointF points[] = {{4.0, 8.5}, {7.0, 11.5}, {12.5, 4.5}};
    p.drawPolyline(points, 3);
    return QIcon(pixmap);
}

}  // namespace pollent
