#include "platform/cad/standin/Viewport.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Viewport::Keyword = QStringLiteral("VPORT");

Viewport::Viewport(const cad::Point& center, double width, double height, bool overall)
    : EntityBase(cad::entityType::PViewport, QStringLiteral("AcDbViewport")), center_(center), width_(width),
      height_(height), viewCenter_(center), overall_(overall)
{
}

double Viewport::customScale() const { return get(QStringLiteral("PViewport.CustomScale"), scale_); }

void Viewport::setCustomScale(double scale)
{
    set(QStringLiteral("PViewport.CustomScale"), handle(), scale_, scale,
        Validate::greaterThanZero(QStringLiteral("the viewport scale")));
}

void Viewport::display(bool on)
{
    const auto drawing =
        change(QStringLiteral("PViewport.Display"), handle() + QLatin1Char(' ') + JournalText::flag(on));
    on_ = on;
    // Model space cannot be worked in through a viewport that is off.
    if (!on && drawing->inFloatingViewport() && drawing->activeViewport().get() == this)
        drawing->setInFloatingViewport(false);
}

void Viewport::remove()
{
    // Assumption: the overall viewport is the sheet itself and cannot be
    // deleted.
    if (overall_) {
        act(member("Delete"), handle());
        cad::raise(cad::err::InvalidInput, QStringLiteral("the overall viewport cannot be deleted"));
    }
    EntityBase::remove();
}

void Viewport::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(center_).number(width_).number(height_).number(scale_).flag(on_).flag(overall_);
    writer.point(viewCenter_).end();
}

void Viewport::accept(ShapeVisitor& visitor) const
{
    visitor.viewport(*this, {center_, width_, height_, viewCenter_, scale_, on_, overall_});
}

QString Viewport::misplacement(const Drawing& drawing, const Block& block) const
{
    // Assumption: viewports stand only in paper space, the overall one first
    // and only there.
    const auto paper = drawing.paperSpace();
    const bool first = !paper->entities().empty() && paper->entities().front().get() == this;
    if (&block != paper.get() || overall_ != first)
        return QStringLiteral("viewport out of place");
    return QString();
}

std::shared_ptr<Viewport> Viewport::read(RecordReader& reader)
{
    const cad::Point center = reader.point();
    const double width = reader.number();
    const double height = reader.number();
    const double scale = reader.number();
    const bool on = reader.flag();
    const bool overall = reader.flag();
    if (width <= 0.0 || height <= 0.0 || scale <= 0.0)
        reader.fail(QStringLiteral("viewport size or scale out of range"));
    auto viewport = std::make_shared<Viewport>(center, width, height, overall);
    viewport->scale_ = scale;
    viewport->on_ = on;
    if (!reader.atEnd())
        viewport->viewCenter_ = reader.point();
    return viewport;
}

QString Viewport::detail() const
{
    return overall_ ? QStringLiteral("overall") : QStringLiteral("scale ") + JournalText::number(scale_);
}

}  // namespace standin
