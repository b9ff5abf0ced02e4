#pragma once
// A layout of a drawing in the host with its plot configuration, as a tool
// holds it.

#include "platform/cad/Layout.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class LayoutProxy : public cad::Layout, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::Layout::name); }
    QString configName() const override { return call(&cad::Layout::configName); }
    void setConfigName(const QString& device) override { return call(&cad::Layout::setConfigName, device); }
    QString canonicalMediaName() const override { return call(&cad::Layout::canonicalMediaName); }
    void setCanonicalMediaName(const QString& media) override { return call(&cad::Layout::setCanonicalMediaName, media); }
    int plotRotation() const override { return call(&cad::Layout::plotRotation); }
    void setPlotRotation(int rotation) override { return call(&cad::Layout::setPlotRotation, rotation); }
    int plotType() const override { return call(&cad::Layout::plotType); }
    void setPlotType(int type) override { return call(&cad::Layout::setPlotType, type); }
    int standardScale() const override { return call(&cad::Layout::standardScale); }
    void setStandardScale(int scale) override { return call(&cad::Layout::setStandardScale, scale); }
    bool centerPlot() const override { return call(&cad::Layout::centerPlot); }
    void setCenterPlot(bool center) override { return call(&cad::Layout::setCenterPlot, center); }
    cad::Point2 plotOrigin() const override { return call(&cad::Layout::plotOrigin); }
    QString styleSheet() const override { return call(&cad::Layout::styleSheet); }
    void setStyleSheet(const QString& table) override { return call(&cad::Layout::setStyleSheet, table); }
    bool plotWithPlotStyles() const override { return call(&cad::Layout::plotWithPlotStyles); }
    void setPlotWithPlotStyles(bool use) override { return call(&cad::Layout::setPlotWithPlotStyles, use); }
    void setWindowToPlot(const cad::Point2& lowerLeft, const cad::Point2& upperRight) override { return call(&cad::Layout::setWindowToPlot, lowerLeft, upperRight); }
    std::pair<cad::Point2, cad::Point2> getWindowToPlot() const override { return call(&cad::Layout::getWindowToPlot); }
    void refreshPlotDeviceInfo() override { return call(&cad::Layout::refreshPlotDeviceInfo); }
    QStringList getPlotDeviceNames() const override { return call(&cad::Layout::getPlotDeviceNames); }
    QStringList getCanonicalMediaNames() const override { return call(&cad::Layout::getCanonicalMediaNames); }
    QString getLocaleMediaName(const QString& canonicalName) const override { return call(&cad::Layout::getLocaleMediaName, canonicalName); }
    QStringList getPlotStyleTableNames() const override { return call(&cad::Layout::getPlotStyleTableNames); }
};

}  // namespace remote
