#include "platform/cad/hostview/DrawingView.h"

#include "platform/cad/hostview/FigureBuilder.h"
#include "platform/cad/hostview/HostPalette.h"
#include "platform/cad/hostview/SheetPicker.h"
#include "platform/cad/standin/DeviceCatalogue.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/Viewport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace hostview {

namespace {

// Reads a viewport's shape.
class ViewportReader : public standin::ShapeVisitor {
public:
    void viewport(const standin::EntityBase&, const standin::ViewportShape& s) override { shape = s; }
    std::optional<standin::ViewportShape> shape;
};

std::optional<standin::ViewportShape> shapeOf(const standin::Viewport& viewport)
{
    ViewportReader reader;
    viewport.accept(reader);
    return reader.shape;
}

QRectF frameOf(const standin::ViewportShape& v)
{
    return QRectF(v.paperCenter.x - v.width / 2.0, v.paperCenter.y - v.height / 2.0, v.width, v.height);
}

// What an empty space is fitted to: the sheet of a layout (its overall
// viewport), a 12 by 9 area of model space.
QRectF emptyExtents(const standin::Drawing& drawing, Space space)
{
    if (space == Space::Paper) {
        const auto viewports = drawing.viewports();
        if (!viewports.empty()) {
            if (const auto sheet = shapeOf(*viewports.front()))
                return frameOf(*sheet);
        }
    }
    return QRectF(0.0, 0.0, 12.0, 9.0);
}

// The paper of the layout's plot settings, lying as it is plotted, with its
// lower left corner on the origin; empty without a device and a paper.
QRectF paperOf(const standin::Drawing& drawing)
{
    const standin::PlotSettings& settings = drawing.paperLayout()->settings();
    const standin::PlotDevice* device = drawing.context().devices().device(settings.device);
    const standin::Media* media = device ? standin::DeviceCatalogue::media(*device, settings.media) : nullptr;
    if (!media)
        return QRectF();
    const bool turned = settings.rotation % 2 == 1;
    return QRectF(0.0, 0.0, turned ? media->height : media->width, turned ? media->width : media->height);
}

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawingView::~DrawingView() = default;

void DrawingView::setDocument(std::shared_ptr<standin::Document> document)
{
    document_ = std::move(document);
    // Whatever it holds is fitted afresh, as another drawing would be.
    zoomedDrawing_.reset();
    followDrawing();
    refresh();
}

void DrawingView::refresh()
{
    pictureStale_ = true;
    update();
}

void DrawingView::zoomExtents()
{
    followDrawing();
    fit(zooms_[shownSpace() == Space::Model ? 0 : 1]);
    update();
}

void DrawingView::followDrawing() const
{
    if (!document_ || zoomedDrawing_.lock() == document_->drawing())
        return;
    zoomedDrawing_ = document_->drawing();
    for (Zoom& z : zooms_)
        z.fitted = false;
    pictureStale_ = true;
}

DrawingView::Zoom& DrawingView::zoom() const
{
    followDrawing();
    Zoom& z = zooms_[shownSpace() == Space::Model ? 0 : 1];
    if (!z.fitted)
        fit(z);
    return z;
}

Space DrawingView::shownSpace() const
{
    if (!document_ || document_->isClosed())
        return Space::Model;
    return SheetPainter::activeSpace(*document_->drawing());
}

QTransform DrawingView::sheetToWidget() const
{
    const Zoom& z = zoom();
    return QTransform(z.scale, 0.0, 0.0, -z.scale, z.origin.x(), z.origin.y());
}

std::optional<standin::ViewportShape> DrawingView::workingViewport() const
{
    if (shownSpace() != Space::Paper)
        return std::nullopt;
    const std::shared_ptr<standin::Drawing>& drawing = document_->drawing();
    const std::shared_ptr<standin::Viewport> viewport = drawing->activeViewport();
    if (!drawing->inFloatingViewport() || !viewport || viewport->isOverall())
        return std::nullopt;
    std::optional<standin::ViewportShape> shape = shapeOf(*viewport);
    if (!shape || !(shape->customScale > 0.0))
        return std::nullopt;
    return shape;
}

void DrawingView::fit(Zoom& z) const
{
    if (width() <= 0 || height() <= 0)
        return;
    const Space space = shownSpace();
    QRectF extents;
    if (document_ && !document_->isClosed()) {
        extents = SheetPainter(*document_->drawing()).extents(space);
        if (extents.isNull())
            extents = emptyExtents(*document_->drawing(), space);
    } else {
        extents = QRectF(0.0, 0.0, 12.0, 9.0);
    }
    // A line along an axis has no height (or width): it is fitted by its
    // length.
    const double size = std::max({extents.width(), extents.height(), 1e-9});
    const double w = std::max(extents.width(), size * 1e-3);
    const double h = std::max(extents.height(), size * 1e-3);
    // A margin round the drawing, as a person zooming out a little would.
    z.scale = std::min(width() / w, height() / h) * 0.9;
    const QPointF centre = extents.center();
    z.origin = QPointF(width() / 2.0 - centre.x() * z.scale, height() / 2.0 + centre.y() * z.scale);
    z.fitted = true;
    z.automatic = true;
}

void DrawingView::setMode(Mode mode, const std::optional<cad::Point>& base, bool ortho)
{
    mode_ = mode;
    base_ = base;
    ortho_ = ortho;
    if (drag_ == Drag::Click || drag_ == Drag::Window)
        drag_ = Drag::None;
    updateCursor();
    update();
}

void DrawingView::updateCursor()
{
    if (drag_ == Drag::Pan)
        setCursor(Qt::ClosedHandCursor);
    else
        // The view draws its own crosshair while it asks for a pick.
        setCursor(mode_ == Mode::Idle ? Qt::ArrowCursor : Qt::BlankCursor);
}

cad::Point DrawingView::toDrawing(const QPointF& widgetPoint) const
{
    QPointF p = sheetToWidget().inverted().map(widgetPoint);
    if (const auto viewport = workingViewport())
        p = SheetPainter::modelToPaper(*viewport).inverted().map(p);
    return {p.x(), p.y(), 0.0};
}

QPointF DrawingView::toWidget(const cad::Point& drawingPoint) const
{
    QPointF p(drawingPoint.x, drawingPoint.y);
    if (const auto viewport = workingViewport())
        p = SheetPainter::modelToPaper(*viewport).map(p);
    return sheetToWidget().map(p);
}

cad::Point DrawingView::levelled(cad::Point point) const
{
    if (ortho_ && base_) {
        if (std::abs(point.x - base_->x) >= std::abs(point.y - base_->y))
            point.y = base_->y;
        else
            point.x = base_->x;
    }
    return point;
}

std::vector<Figure> DrawingView::workingFigures() const
{
    if (!document_ || document_->isClosed())
        return {};
    const SheetPainter sheet(*document_->drawing());
    return sheet.figures(workingViewport() ? Space::Model : shownSpace());
}

void DrawingView::pickAt(const QPointF& widgetPoint)
{
    const auto viewport = workingViewport();
    std::vector<std::shared_ptr<cad::Entity>> picked;
    // Through a viewport, only what the viewport shows can be picked.
    if (!viewport || frameOf(*viewport).contains(sheetToWidget().inverted().map(widgetPoint))) {
        const double pixels = zoom().scale * (viewport ? viewport->customScale : 1.0);
        const cad::Point p = toDrawing(widgetPoint);
        if (auto entity = SheetPicker(workingFigures()).at(QPointF(p.x, p.y), PickTolerance / pixels))
            picked.push_back(entity);
    }
    emit objectsPicked(picked);
}

void DrawingView::pickWindow(const QPointF& from, const QPointF& to)
{
    const bool crossing = to.x() < from.x();
    const QTransform toSheet = sheetToWidget().inverted();
    QRectF window = QRectF(toSheet.map(from), toSheet.map(to)).normalized();
    std::vector<std::shared_ptr<cad::Entity>> picked;
    if (const auto viewport = workingViewport()) {
        window = window.intersected(frameOf(*viewport));
        window = SheetPainter::modelToPaper(*viewport).inverted().mapRect(window);
    }
    if (!window.isEmpty()) {
        for (auto& entity : SheetPicker(workingFigures()).window(window, crossing))
            picked.push_back(entity);
    }
    emit objectsPicked(picked);
}

const QPixmap& DrawingView::sheetPicture()
{
    const bool shown = document_ && !document_->isClosed();
    const Space space = shownSpace();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!pictureStale_ && picture_.size() == pixels && picture_.devicePixelRatio() == ratio
        && pictureTransform_ == sheetToWidget() && pictureSpace_ == space)
        return picture_;
    picture_ = QPixmap(pixels);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(HostPalette::viewBackground());
    if (shown) {
        QPainter painter(&picture_);
        const standin::Drawing& drawing = *document_->drawing();
        if (space == Space::Paper) {
            // The layout's paper, a shade lighter, when it has one.
            const QRectF paper = paperOf(drawing);
            if (!paper.isNull())
                painter.fillRect(sheetToWidget().mapRect(paper), QColor(44, 52, 62));
        }
        SheetPainter(drawing).paint(painter, sheetToWidget(), space);
    }
    pictureStale_ = false;
    pictureTransform_ = sheetToWidget();
    pictureSpace_ = space;
    return picture_;
}

void DrawingView::paintEvent(QPaintEvent*)
{
    const QPixmap& picture = sheetPicture();
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
    paintOverlay(painter);
}

void DrawingView::paintOverlay(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (const auto viewport = workingViewport()) {
        // The viewport worked in has a bold frame.
        painter.setPen(QPen(QColor(230, 230, 230), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheetToWidget().mapRect(frameOf(*viewport)));
    }
    if (drag_ == Drag::Window) {
        // Left to right: a window taking what it holds; right to left: a
        // crossing window, dashed.
        const bool crossing = lastAt_.x() < pressedAt_.x();
        const QColor edge = crossing ? QColor(90, 220, 120) : QColor(90, 150, 255);
        QColor fill = edge;
        fill.setAlpha(48);
        painter.setPen(QPen(edge, 1, crossing ? Qt::DashLine : Qt::SolidLine));
        painter.setBrush(fill);
        painter.drawRect(QRectF(pressedAt_, lastAt_).normalized());
    }
    if (mode_ == Mode::Idle || !pointer_)
        return;
    const QPointF at = *pointer_;
    const QColor cross(210, 210, 210);
    if (mode_ == Mode::Point && base_) {
        painter.setPen(QPen(cross, 1));
        painter.drawLine(toWidget(*base_), toWidget(levelled(toDrawing(at))));
    }
    painter.setPen(QPen(cross, 1));
    painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
    painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
    if (mode_ == Mode::Select) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(at.x() - PickTolerance, at.y() - PickTolerance, 2 * PickTolerance, 2 * PickTolerance));
    }
}

void DrawingView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    pressedAt_ = lastAt_ = at;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && mode_ == Mode::Idle)) {
        drag_ = Drag::Pan;
        updateCursor();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (mode_ == Mode::Point)
        emit pointPicked(levelled(toDrawing(at)));
    else if (mode_ == Mode::Select)
        drag_ = Drag::Click;
}

void DrawingView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    pointer_ = at;
    if (drag_ == Drag::Pan) {
        Zoom& z = zoom();
        z.origin += at - lastAt_;
        z.automatic = false;
    } else if (drag_ == Drag::Click) {
        const QPointF moved = at - pressedAt_;
        if (std::hypot(moved.x(), moved.y()) >= DragDistance)
            drag_ = Drag::Window;
    }
    lastAt_ = at;
    emit cursorMoved(toDrawing(at));
    update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const Drag ended = drag_;
    if (ended == Drag::Pan && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        drag_ = Drag::None;
        updateCursor();
        return;
    }
    if (event->button() != Qt::LeftButton || (ended != Drag::Click && ended != Drag::Window))
        return;
    drag_ = Drag::None;
    update();
    const QPointF moved = at - pressedAt_;
    if (ended == Drag::Window || std::hypot(moved.x(), moved.y()) >= DragDistance)
        pickWindow(pressedAt_, at);
    else
        pickAt(pressedAt_);
}

void DrawingView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0)
        return;
    // The drawing point under the pointer stays under it.
    const QPointF at = event->position();
    const QPointF under = sheetToWidget().inverted().map(at);
    Zoom& z = zoom();
    z.automatic = false;
    z.scale = std::clamp(z.scale * std::pow(1.25, steps), 1e-9, 1e9);
    z.origin = QPointF(at.x() - under.x() * z.scale, at.y() + under.y() * z.scale);
    event->accept();
    update();
}

void DrawingView::resizeEvent(QResizeEvent* event)
{
    for (Zoom& z : zooms_) {
        if (z.automatic)
            z.fitted = false;
    }
    QWidget::resizeEvent(event);
}

void DrawingView::leaveEvent(QEvent* event)
{
    pointer_.reset();
    update();
    QWidget::leaveEvent(event);
}

void DrawingView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (drag_ == Drag::Click || drag_ == Drag::Window) {
            drag_ = Drag::None;
            update();
        }
        emit escapePressed();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace hostview
