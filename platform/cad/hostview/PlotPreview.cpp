#include "platform/cad/hostview/PlotPreview.h"

#include "platform/cad/hostview/PlotWriter.h"
#include "platform/files/WinPath.h"

#include <QKeyEvent>
#include <QPainter>

namespace hostview {

namespace {

constexpr int Margin = 24;

}  // namespace

PlotPreview::PlotPreview(const standin::PlotJob& job, std::shared_ptr<standin::Drawing> drawing, QWidget* parent)
    : QWidget(parent), job_(job), drawing_(std::move(drawing)), sheet_(PlotSheet::of(job_, *drawing_))
{
    setWindowTitle(QStringLiteral("Plot Preview - %1 (%2)").arg(files::WinPath::fileName(job_.drawing), job_.layout));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PlotPreview::sizeHint() const
{
    // A window of a usual size with the page's proportions.
    const QSizeF paper = sheet_.paperSize();
    const double across = paper.width() >= paper.height() ? 800.0 : 800.0 * paper.width() / paper.height();
    const double up = across * paper.height() / paper.width();
    return QSize(int(across) + 2 * Margin, int(up) + 2 * Margin);
}

QRectF PlotPreview::pageRect() const
{
    const QSizeF paper = sheet_.paperSize();
    const QRectF room = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
    if (room.width() <= 0 || room.height() <= 0)
        return QRectF();
    const double scale = std::min(room.width() / paper.width(), room.height() / paper.height());
    const QSizeF size = paper * scale;
    return QRectF(room.center() - QPointF(size.width() / 2.0, size.height() / 2.0), size);
}

void PlotPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    if (!sheet_.isValid()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, sheet_.problem());
        return;
    }
    const QRectF page = pageRect();
    if (page.isEmpty())
        return;
    painter.fillRect(page.translated(4, 4), QColor(80, 80, 80));  // the page's shadow
    PlotWriter::paint(painter, page, sheet_, *drawing_);
}

void PlotPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace hostview
