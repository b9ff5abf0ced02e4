#pragma once
// The host program's view of one open drawing: it draws the drawing's active
// space (model space, or the active paper-space layout with its viewports)
// and lets the person pan and zoom with the mouse. While the host asks for a
// point or a selection, it turns clicks and drags into picks in drawing
// coordinates and reports them; it decides nothing about prompts itself.

#include "platform/cad/Entity.h"
#include "platform/cad/Point.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace standin { class Document; }

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
    void refresh();
    // Fits the drawing's extents into the view.
    void zoomExtents();

    // With a base point in Point mode, a rubber band runs from it; with ortho
    // on, the picked point is levelled against the base (horizontal or
    // vertical, whichever is nearer), as the host's ortho mode does.
    void setMode(Mode mode, const std::optional<cad::Point>& base = {}, bool ortho = false);
    Mode mode() const { return mode_; }

    // Drawing coordinates of a point of the widget, and back.
    cad::Point toDrawing(const QPointF& widgetPoint) const;
    QPointF toWidget(const cad::Point& drawingPoint) const;

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
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::shared_ptr<standin::Document> document_;
    Mode mode_ = Mode::Idle;
    std::optional<cad::Point> base_;
    bool ortho_ = false;
    double scale_ = 1.0;     // pixels per drawing unit
    QPointF origin_;         // widget position of the drawing's origin
};

}  // namespace hostview
