#include "batch/drossel/PlotTables.h"

#include "platform/cad/Layout.h"

namespace drossel {

const QString PlotTables::ScaleToFit = QStringLiteral("Scale To Fit");

std::optional<int> PlotTables::plotRotation(const QString& rotationText)
{
    const int index = rotationItems().indexOf(rotationText);
    if (index < 0)
        return std::nullopt;
    return index;
}

std::optional<int> PlotTables::standardScale(const QString& scaleText)
{
    if (scaleText == ScaleToFit)
        return cad::standardScale::ScaleToFit;
    if (scaleText == QLatin1String("1:1"))
        return cad::standardScale::OneToOne;
    if (scaleText == QLatin1String("1:2"))
        return cad::standardScale::OneToTwo;
    return std::nullopt;
}

QStringList PlotTables::scaleItems() { return {ScaleToFit, QStringLiteral("1:1"), QStringLiteral("1:2")}; }

QStringList PlotTables::rotationItems()
{
    return {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")};
}

}  // namespace drossel
