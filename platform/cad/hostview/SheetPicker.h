#pragma once
// Which objects of a space a pick takes, worked out from the figures they
// draw: a click takes the object drawn nearest the point within a tolerance;
// a window from left to right takes the objects it holds whole, one from right
// to left also those it crosses. An object no figure of which is drawn (on a
// layer that is off or frozen, the overall viewport) is never taken.

#include "platform/cad/hostview/Figure.h"

#include <QPointF>
#include <QRectF>
#include <memory>
#include <vector>

namespace standin {
class EntityBase;
}

namespace hostview {

class SheetPicker {
public:
    explicit SheetPicker(std::vector<Figure> figures) : figures_(std::move(figures)) {}

    // The object drawn nearest the point, if one is within `tolerance`
    // (drawing units); null otherwise.
    std::shared_ptr<standin::EntityBase> at(const QPointF& point, double tolerance) const;
    // The objects inside the window (crossing: or crossing its edge), each
    // once, in the order of the space.
    std::vector<std::shared_ptr<standin::EntityBase>> window(const QRectF& window, bool crossing) const;

    // How far the point is from what the figure draws (0 on a text's box or
    // inside an arrowhead).
    static double distance(const Figure& figure, const QPointF& point);
    // Whether anything the figure draws lies inside the window or crosses it.
    static bool touches(const Figure& figure, const QRectF& window);

private:
    std::vector<Figure> figures_;
};

}  // namespace hostview
