#include "platform/cad/standin/PointText.h"

#include <QStringList>
#include <cmath>

namespace standin {

std::optional<cad::Point> PointText::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    double values[3] = {0.0, 0.0, 0.0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(values[i]))
            return std::nullopt;
    }
    return cad::Point{values[0], values[1], values[2]};
}

}  // namespace standin
