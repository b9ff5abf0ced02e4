#include "platform/cad/hostview/PenTable.h"

namespace hostview {

PenTable PenTable::named(const QString& styleSheet, bool withPlotStyles)
{
    if (!withPlotStyles)
        return PenTable();
    const auto is = [&](const char* name) { return styleSheet.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("monochrome.ctb"))
        return PenTable(Kind::Monochrome);
    if (is("Grayscale.ctb"))
        return PenTable(Kind::Grayscale);
    if (is("Screening 50%.ctb"))
        return PenTable(Kind::Screening);
    return PenTable();
}

QColor PenTable::pen(const QColor& colour) const
{
    switch (kind_) {
    case Kind::Monochrome:
        return QColor(0, 0, 0);
    case Kind::Grayscale: {
        const int grey = qGray(colour.rgb());
        // A colour as light as the paper would vanish; it plots mid-grey.
        return grey > 230 ? QColor(128, 128, 128) : QColor(grey, grey, grey);
    }
    case Kind::Screening:
        return QColor((colour.red() + 255) / 2, (colour.green() + 255) / 2, (colour.blue() + 255) / 2);
    case Kind::Colour:
        break;
    }
    return colour;
}

}  // namespace hostview
