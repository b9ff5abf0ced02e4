#pragma once
// A layout of a stand-in drawing ("Model" or "Layout1") with its plot
// configuration, checked against the host's device catalogue.

#include "platform/cad/Layout.h"
#include "platform/cad/standin/DrawingObject.h"

namespace standin {

class RecordReader;
class RecordWriter;

struct PlotSettings {
    QString device = QStringLiteral("None");
    QString media;
    int rotation = 0;
    int plotType = cad::plotType::Extents;
    int standardScale = cad::standardScale::ScaleToFit;
    bool center = false;
    cad::Point2 origin;
    QString styleSheet;
    bool withPlotStyles = true;
    bool hasWindow = false;
    cad::Point2 windowLowerLeft;
    cad::Point2 windowUpperRight;
};

class Layout : public cad::Layout, public DrawingObject {
public:
    static const QString Keyword;

    Layout(std::weak_ptr<Drawing> drawing, QString name);

    QString name() const override;
    QString configName() const override;
    void setConfigName(const QString& device) override;
    QString canonicalMediaName() const override;
    void setCanonicalMediaName(const QString& media) override;
    int plotRotation() const override;
    void setPlotRotation(int rotation) override;
    int plotType() const override;
    void setPlotType(int type) override;
    int standardScale() const override;
    void setStandardScale(int scale) override;
    bool centerPlot() const override;
    void setCenterPlot(bool center) override;
    cad::Point2 plotOrigin() const override;
    QString styleSheet() const override;
    void setStyleSheet(const QString& table) override;
    bool plotWithPlotStyles() const override;
    void setPlotWithPlotStyles(bool use) override;
    void setWindowToPlot(const cad::Point2& lowerLeft, const cad::Point2& upperRight) override;
    std::pair<cad::Point2, cad::Point2> getWindowToPlot() const override;
    void refreshPlotDeviceInfo() override;
    QStringList getPlotDeviceNames() const override;
    QStringList getCanonicalMediaNames() const override;
    QString getLocaleMediaName(const QString& canonicalName) const override;
    QStringList getPlotStyleTableNames() const override;

    const QString& rawName() const { return name_; }
    const PlotSettings& settings() const { return settings_; }
    // The plot origin without guards: the centring offset while the plot is
    // centred, the stored origin otherwise.
    cad::Point2 origin() const;
    void setSettings(const PlotSettings& settings) { settings_ = settings; }
    // Paper units per drawing unit at a standard scale; 0 for scale to fit.
    static double scaleFactor(int standardScale);

    void write(RecordWriter& writer) const;
    // The layout's name and settings from a record.
    static PlotSettings read(RecordReader& reader, QString& name);

private:
    static QString member(const char* name) { return QStringLiteral("Layout.") + QLatin1String(name); }

    QString name_;
    PlotSettings settings_;
};

}  // namespace standin
