#pragma once
// A layout and its plot configuration: device, paper, rotation, plot area,
// scale, centring, origin and plot style table.

#include "platform/cad/Point.h"

#include <QString>
#include <QStringList>
#include <utility>

namespace cad {

// PlotType values.
namespace plotType {
inline constexpr int Display = 0;
inline constexpr int Extents = 1;
inline constexpr int Limits = 2;
inline constexpr int View = 3;
inline constexpr int Window = 4;
inline constexpr int Layout = 5;
}  // namespace plotType

// StandardScale values the tools use.
namespace standardScale {
inline constexpr int ScaleToFit = 0;
inline constexpr int OneToOne = 16;
inline constexpr int OneToTwo = 17;
}  // namespace standardScale

class Layout {
public:
    virtual ~Layout() = default;
    virtual QString name() const = 0;

    virtual QString configName() const = 0;
    virtual void setConfigName(const QString& device) = 0;
    virtual QString canonicalMediaName() const = 0;
    virtual void setCanonicalMediaName(const QString& media) = 0;
    // 0, 1, 2, 3 for 0, 90, 180, 270 degrees.
    virtual int plotRotation() const = 0;
    virtual void setPlotRotation(int rotation) = 0;
    virtual int plotType() const = 0;
    virtual void setPlotType(int type) = 0;
    virtual int standardScale() const = 0;
    virtual void setStandardScale(int scale) = 0;
    virtual bool centerPlot() const = 0;
    virtual void setCenterPlot(bool center) = 0;
    virtual Point2 plotOrigin() const = 0;
    virtual QString styleSheet() const = 0;
    virtual void setStyleSheet(const QString& table) = 0;
    virtual bool plotWithPlotStyles() const = 0;
    virtual void setPlotWithPlotStyles(bool use) = 0;

    virtual void setWindowToPlot(const Point2& lowerLeft, const Point2& upperRight) = 0;
    // The window as the host stored it: lower-left, upper-right.
    virtual std::pair<Point2, Point2> getWindowToPlot() const = 0;

    virtual void refreshPlotDeviceInfo() = 0;
    virtual QStringList getPlotDeviceNames() const = 0;
    // The papers of the layout's current device.
    virtual QStringList getCanonicalMediaNames() const = 0;
    virtual QString getLocaleMediaName(const QString& canonicalName) const = 0;
    virtual QStringList getPlotStyleTableNames() const = 0;
};

}  // namespace cad
