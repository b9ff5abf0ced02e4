#pragma once
// The host program's view of one open drawing: it draws the drawing's active
// space (model space, or the active paper-space layout with its viewports)
// and lets the person pan and zoom with the mouse. While the host asks for a
// point or a selection, it turns clicks and drags into picks in drawing
// coordinates and reports them; it decides nothing about prompts itself.
// Model space and the layout keep a zoom of their own, each fitted to its
// extents when first shown (and again when the view changes size, until the
// person zooms or pans), and fitted afresh when another drawing is opened
// into the document. While model space is worked in through a
// viewport of the layout, points are model points and picks take model
// space's objects. Picked objects are not highlighted: the host program owns
// the selection and the view could not keep a highlight in step with it.

#include "platform/cad/Entity.h"
#include "platform/cad/Point.h"
#include "platform/cad/hostview/Figure.h"
#include "platform/cad/hostview/SheetPainter.h"

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace standin {
class Document;
class Drawing;
}

namespace hostview {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        Idle,    // pan and zoom only
        Point,   // a click picks a point
        Select,  // a click picks the object under it, a drag picks a window
    };

    explicit DrawingView(QWidget* parent = nullptr);
    ~DrawingView() override;

    // The drawing shown; the view keeps it alive while it shows it.
    void setDocument(std::shared_ptr<standin::Document> document);
    const std::shared_ptr<standin::Document>& document() const { return document_; }

    // Draws again after the drawing changed (entities, layers, the space).
    // The view keeps its last picture of the drawing while only the pointer
    // moves, so a change shows after refresh(), a zoom or a pan.
    void refresh();
    // Fits the drawing's extents into the view.
    void zoomExtents();

    // With a base point in Point mode, a rubber band runs from it; with ortho
    // on, the picked point is levelled against the base (horizontal or
    // vertical, whichever is nearer), as the host's ortho mode does.
    void setMode(Mode mode, const std::optional<cad::Point>& base = {}, bool ortho = false);
    Mode mode() const { return mode_; }

    // Drawing coordinates of a point of the widget, and back: model
    // coordinates while model space is worked in through a viewport of the
    // layout, the shown space's otherwise.
    cad::Point toDrawing(const QPointF& widgetPoint) const;
    QPointF toWidget(const cad::Point& drawingPoint) const;

    // Pixels within which a click picks an object.
    static constexpr double PickTolerance = 5.0;
    // How far the pointer moves with the button down before a click becomes
    // a window.
    static constexpr double DragDistance = 4.0;

signals:
    // Point mode: the point clicked (ortho applied).
    void pointPicked(const cad::Point& point);
    // Select mode: the objects a click or a window picked (possibly none).
    void objectsPicked(const std::vector<std::shared_ptr<cad::Entity>>& objects);
    // Enter and Esc pressed while the view has the focus.
    void enterPressed();
    void escapePressed();
    // The pointer's drawing coordinates, for a coordinate display.
    void cursorMoved(const cad::Point& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The zoom of one space: pixels per drawing unit and where the space's
    // origin lies in the widget.
    struct Zoom {
        double scale = 1.0;
        QPointF origin;
        bool fitted = false;
        // Fitted by the view, not zoomed or panned by the person since.
        bool automatic = false;
    };
    enum class Drag { None, Pan, Click, Window };

    Space shownSpace() const;
    // Forgets both zooms when the document holds another drawing than the
    // one they were fitted to: a zoom of the old drawing would show the new
    // one anywhere, often not at all.
    void followDrawing() const;
    // The shown space's zoom, fitted first when it has not been yet.
    Zoom& zoom() const;
    // From the shown space to the widget.
    QTransform sheetToWidget() const;
    // The viewport model space is worked in through, if it is.
    std::optional<standin::ViewportShape> workingViewport() const;
    // Fits the shown space's extents into the widget (once it has a size).
    void fit(Zoom& zoom) const;
    // The point clicked, levelled against the base when ortho is on.
    cad::Point levelled(cad::Point point) const;
    // The figures of the objects a pick may take, in working coordinates.
    std::vector<Figure> workingFigures() const;
    void pickAt(const QPointF& widgetPoint);
    void pickWindow(const QPointF& from, const QPointF& to);
    // The picture of the drawing at the current zoom, painted afresh when
    // it is out of date.
    const QPixmap& sheetPicture();
    void paintOverlay(QPainter& painter);
    void updateCursor();

    std::shared_ptr<standin::Document> document_;
    Mode mode_ = Mode::Idle;
    std::optional<cad::Point> base_;
    bool ortho_ = false;
    // Model space's and the layout's; fitted on first use, which may come
    // from a const member.
    mutable Zoom zooms_[2];
    // The drawing the zooms belong to.
    mutable std::weak_ptr<const standin::Drawing> zoomedDrawing_;
    Drag drag_ = Drag::None;
    QPointF pressedAt_;
    QPointF lastAt_;
    std::optional<QPointF> pointer_;
    QPixmap picture_;
    mutable bool pictureStale_ = true;
    QTransform pictureTransform_;
    Space pictureSpace_ = Space::Model;
};

}  // namespace hostview
