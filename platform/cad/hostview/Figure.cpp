#include "platform/cad/hostview/Figure.h"

namespace hostview {

QRectF Figure::bounds() const
{
    QRectF rect;
    if (!strokes.isEmpty())
        rect = strokes.boundingRect();
    if (!fills.isEmpty())
        rect = rect.isNull() ? fills.boundingRect() : rect.united(fills.boundingRect());
    return rect;
}

}  // namespace hostview
