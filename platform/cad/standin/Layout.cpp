#include "platform/cad/standin/Layout.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

#include <algorithm>

namespace standin {

const QString Layout::Keyword = QStringLiteral("LAYOUT");

Layout::Layout(std::weak_ptr<Drawing> drawing, QString name) : DrawingObject(std::move(drawing)), name_(std::move(name))
{
    if (name_ != QLatin1String("Model"))
        settings_.plotType = cad::plotType::Layout;
}

QString Layout::name() const { return get(member("Name"), name_); }

QString Layout::configName() const { return get(member("ConfigName"), settings_.device); }

void Layout::setConfigName(const QString& device)
{
    const auto drawing = change(member("ConfigName"), device);
    // Assumption: the host refuses a device it has not configured.
    const PlotDevice* found = drawing->context().devices().device(device);
    if (!found)
        cad::raise(cad::err::InvalidInput, QStringLiteral("no plot device %1").arg(device));
    settings_.device = found->name;
    // Assumption: a paper the new device lacks is replaced by its first one.
    if (!DeviceCatalogue::media(*found, settings_.media))
        settings_.media = found->media.isEmpty() ? QString() : found->media.first().canonicalName;
}

QString Layout::canonicalMediaName() const { return get(member("CanonicalMediaName"), settings_.media); }

void Layout::setCanonicalMediaName(const QString& media)
{
    const auto drawing = change(member("CanonicalMediaName"), media);
    const PlotDevice* device = drawing->context().devices().device(settings_.device);
    // Assumption: only a paper of the layout's device is accepted.
    if (!device || !DeviceCatalogue::media(*device, media))
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 has no paper %2").arg(settings_.device, media));
    settings_.media = media;
}

int Layout::plotRotation() const { return get(member("PlotRotation"), settings_.rotation); }

void Layout::setPlotRotation(int rotation)
{
    set(member("PlotRotation"), {}, settings_.rotation, rotation,
        Validate::inRange(0, 3, QStringLiteral("the plot rotation")));
}

int Layout::plotType() const { return get(member("PlotType"), settings_.plotType); }

void Layout::setPlotType(int type)
{
    set(member("PlotType"), {}, settings_.plotType, type,
        Validate::inRange(cad::plotType::Display, cad::plotType::Layout, QStringLiteral("the plot type")));
}

int Layout::standardScale() const { return get(member("StandardScale"), settings_.standardScale); }

void Layout::setStandardScale(int scale)
{
    // Assumption: standard scales run from 0 (scale to fit) to 31 (100:1).
    set(member("StandardScale"), {}, settings_.standardScale, scale,
        Validate::inRange(0, 31, QStringLiteral("the standard scale")));
}

bool Layout::centerPlot() const { return get(member("CenterPlot"), settings_.center); }

void Layout::setCenterPlot(bool center) { set(member("CenterPlot"), {}, settings_.center, center); }

cad::Point2 Layout::plotOrigin() const
{
    // The origin is worked out only after the guards.
    enter(member("PlotOrigin"));
    return origin();
}

cad::Point2 Layout::origin() const
{
    if (!settings_.center)
        return settings_.origin;
    const PlotDevice* device = alive()->context().devices().device(settings_.device);
    const Media* paper = device ? DeviceCatalogue::media(*device, settings_.media) : nullptr;
    // Assumption: the stand-in keeps no geometric extents, so it can centre
    // only a window plot; for any other plot area, or without a paper, the
    // origin stays as stored.
    if (!paper || settings_.plotType != cad::plotType::Window || !settings_.hasWindow)
        return settings_.origin;
    // Assumption: a sheet turned by 90 or 270 degrees swaps its sides; the
    // drawing unit is the paper's unit.
    const bool turned = settings_.rotation % 2 == 1;
    const double paperWidth = turned ? paper->height : paper->width;
    const double paperHeight = turned ? paper->width : paper->height;
    const double areaWidth = settings_.windowUpperRight.x - settings_.windowLowerLeft.x;
    const double areaHeight = settings_.windowUpperRight.y - settings_.windowLowerLeft.y;
    double factor = scaleFactor(settings_.standardScale);
    if (factor == 0.0)
        factor = areaWidth > 0.0 && areaHeight > 0.0 ? std::min(paperWidth / areaWidth, paperHeight / areaHeight) : 1.0;
    // Centring leaves the same margin on both sides of the plotted area.
    return {(paperWidth - areaWidth * factor) / 2.0, (paperHeight - areaHeight * factor) / 2.0};
}

double Layout::scaleFactor(int standardScale)
{
    // Assumption: of the standard scales the stand-in knows scale to fit,
    // 1:1 and 1:2; any other plots at 1:1.
    if (standardScale == cad::standardScale::ScaleToFit)
        return 0.0;
    return standardScale == cad::standardScale::OneToTwo ? 0.5 : 1.0;
}

QString Layout::styleSheet() const { return get(member("StyleSheet"), settings_.styleSheet); }

void Layout::setStyleSheet(const QString& table)
{
    const auto drawing = change(member("StyleSheet"), table);
    if (table.isEmpty()) {
        settings_.styleSheet.clear();
        return;
    }
    // Assumption: a plot style table the host does not have is refused with
    // &H80200003.
    const QString known = drawing->context().devices().styleTable(table);
    if (known.isEmpty())
        cad::raise(cad::err::PlotStyleRefused, QStringLiteral("no plot style table %1").arg(table));
    settings_.styleSheet = known;
}

bool Layout::plotWithPlotStyles() const { return get(member("PlotWithPlotStyles"), settings_.withPlotStyles); }

void Layout::setPlotWithPlotStyles(bool use) { set(member("PlotWithPlotStyles"), {}, settings_.withPlotStyles, use); }

void Layout::setWindowToPlot(const cad::Point2& lowerLeft, const cad::Point2& upperRight)
{
    change(member("SetWindowToPlot"),
           JournalText::point(lowerLeft) + QLatin1Char(' ') + JournalText::point(upperRight));
    // Assumption: the host stores the window by its lower-left and
    // upper-right corners, whichever corners it was given.
    settings_.windowLowerLeft = {std::min(lowerLeft.x, upperRight.x), std::min(lowerLeft.y, upperRight.y)};
    settings_.windowUpperRight = {std::max(lowerLeft.x, upperRight.x), std::max(lowerLeft.y, upperRight.y)};
    settings_.hasWindow = true;
}

std::pair<cad::Point2, cad::Point2> Layout::getWindowToPlot() const
{
    return get(member("GetWindowToPlot"), std::pair(settings_.windowLowerLeft, settings_.windowUpperRight));
}

void Layout::refreshPlotDeviceInfo() { act(member("RefreshPlotDeviceInfo")); }

QStringList Layout::getPlotDeviceNames() const
{
    return enter(member("GetPlotDeviceNames"))->context().devices().deviceNames();
}

QStringList Layout::getCanonicalMediaNames() const
{
    const auto drawing = enter(member("GetCanonicalMediaNames"));
    QStringList names;
    if (const PlotDevice* device = drawing->context().devices().device(settings_.device)) {
        for (const Media& media : device->media)
            names.append(media.canonicalName);
    }
    return names;
}

QString Layout::getLocaleMediaName(const QString& canonicalName) const
{
    const auto drawing = enter(member("GetLocaleMediaName"));
    const PlotDevice* device = drawing->context().devices().device(settings_.device);
    const Media* media = device ? DeviceCatalogue::media(*device, canonicalName) : nullptr;
    if (!media)
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 has no paper %2").arg(settings_.device, canonicalName));
    return media->localeName;
}

QStringList Layout::getPlotStyleTableNames() const
{
    return enter(member("GetPlotStyleTableNames"))->context().devices().styleTables();
}

void Layout::write(RecordWriter& writer) const
{
    const PlotSettings& s = settings_;
    writer.begin(Keyword).text(name_).text(s.device).text(s.media).integer(s.rotation).integer(s.plotType);
    writer.integer(s.standardScale).flag(s.center).point(s.origin).text(s.styleSheet).flag(s.withPlotStyles);
    writer.flag(s.hasWindow).point(s.windowLowerLeft).point(s.windowUpperRight).end();
}

PlotSettings Layout::read(RecordReader& reader, QString& name)
{
    PlotSettings s;
    name = reader.text();
    s.device = reader.text();
    s.media = reader.text();
    s.rotation = reader.integer();
    s.plotType = reader.integer();
    s.standardScale = reader.integer();
    s.center = reader.flag();
    s.origin = reader.point2();
    s.styleSheet = reader.text();
    s.withPlotStyles = reader.flag();
    s.hasWindow = reader.flag();
    s.windowLowerLeft = reader.point2();
    s.windowUpperRight = reader.point2();
    if (s.rotation < 0 || s.rotation > 3 || s.plotType < 0 || s.plotType > 5 || s.standardScale < 0
        || s.standardScale > 31)
        reader.fail(QStringLiteral("plot settings out of range"));
    return s;
}

}  // namespace standin
