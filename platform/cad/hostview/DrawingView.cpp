#include "platform/cad/hostview/DrawingView.h"

#include "platform/cad/standin/Document.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

// A first cut that maps clicks to drawing points and reports picks; the
// drawing itself is not painted yet.

namespace hostview {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
}

DrawingView::~DrawingView() = default;

void DrawingView::setDocument(std::shared_ptr<standin::Document> document)
{
    document_ = std::move(document);
    update();
}

void DrawingView::refresh() { update(); }

void DrawingView::zoomExtents()
{
    scale_ = 1.0;
    origin_ = QPointF(0, height());
    update();
}

void DrawingView::setMode(Mode mode, const std::optional<cad::Point>& base, bool ortho)
{
    mode_ = mode;
    base_ = base;
    ortho_ = ortho;
    setCursor(mode == Mode::Idle ? Qt::ArrowCursor : Qt::CrossCursor);
}

cad::Point DrawingView::toDrawing(const QPointF& widgetPoint) const
{
    return {(widgetPoint.x() - origin_.x()) / scale_, (origin_.y() - widgetPoint.y()) / scale_, 0.0};
}

QPointF DrawingView::toWidget(const cad::Point& p) const
{
    return {origin_.x() + p.x * scale_, origin_.y() - p.y * scale_};
}

void DrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

void DrawingView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    cad::Point point = toDrawing(event->position());
    if (mode_ == Mode::Point) {
        if (ortho_ && base_) {
            if (std::abs(point.x - base_->x) >= std::abs(point.y - base_->y))
                point.y = base_->y;
            else
                point.x = base_->x;
        }
        emit pointPicked(point);
    } else if (mode_ == Mode::Select) {
        emit objectsPicked({});
    }
}

void DrawingView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        emit escapePressed();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit enterPressed();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace hostview
