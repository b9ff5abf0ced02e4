#pragma once
// One section-cut marker drawn into a drawing: the cut line picked segment by
// segment, an arrow at each end of it pointing to the side the user picks, and
// the two labels, in the space the user picks in (model space also through a
// viewport of a layout). Every size is the window's size times the drawing's
// dimension scale (1 in paper space or where the scale is 0). While the
// marker is drawn, ortho mode is on, so picks against a point lie level with
// or plumb to it; the marker puts the user's ortho mode back however it ends.
// The window's part (hiding, messages, reports) is the caller's.

#include "platform/cad/Point.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace cad { class Block; class Document; class Entity; }

namespace sections {

// The sizes of the window's boxes, at scale 1, and the label text.
struct MarkerSizes {
    double arrow = 0.0;
    double textHeight = 0.0;
    QString text;
};

// A direction along an axis: (+1, 0), (0, -1), ...
struct AxisDirection {
    int x = 0;
    int y = 0;

    friend bool operator==(const AxisDirection&, const AxisDirection&) = default;
};

class SectionMarker {
public:
    // Makes the drawing the active one, takes its active space for the
    // marker's entities, turns ortho mode on and reads the dimension scale.
    // The marker holds the drawing until it ends: the window's timer may
    // attach again while the user picks.
    SectionMarker(std::shared_ptr<cad::Document> doc, const MarkerSizes& sizes);
    ~SectionMarker();
    SectionMarker(const SectionMarker&) = delete;
    SectionMarker& operator=(const SectionMarker&) = delete;

    // The marker's entities go onto this layer; empty: the current layer.
    void setLayer(const QString& layer) { layer_ = layer; }

    // The first two points and the first segment, then further segments until
    // the user presses Enter or Esc. An error of the first picks, or of a later
    // pick other than those two keys, is raised.
    void cutLine();

    enum class Arrows {
        Drawn,
        NoSide,           // the side pick failed: nothing drawn, nothing said
        SideOnLastPoint,  // no direction to point in
    };
    // Asks for the side and puts a leader at each end of the cut line, the
    // arrowhead towards that side. Failures leave out what failed.
    Arrows arrows();

    // Asks for a point with the prompt and puts a label there.
    void label(const QString& prompt);

    double scale() const { return scale_; }
    const cad::Point& first() const { return first_; }
    const cad::Point& last() const { return last_; }

    // The direction the arrows point in from the cut line's last point to the
    // side: along the axis on which the side lies farther off (X on a tie);
    // none when the side is the last point itself.
    static std::optional<AxisDirection> arrowDirection(const cad::Point& last, const cad::Point& side);

    // The layer colour named in the window's list, in any letter case; 1
    // (red) for any other text, the empty one included.
    static int colourNumber(const QString& name);

private:
    // Puts a new entity of the marker onto the marker's layer; where the
    // layer refuses it, it stays on the current one.
    void place(const std::shared_ptr<cad::Entity>& entity) const;
    // Whether the user's answer to the last prompt was Esc.
    bool cancelled() const;

    std::shared_ptr<cad::Document> doc_;
    MarkerSizes sizes_;
    std::shared_ptr<cad::Block> space_;
    QVariant orthomode_;
    double scale_ = 1.0;
    QString layer_;
    cad::Point first_;
    cad::Point last_;
};

}  // namespace sections
