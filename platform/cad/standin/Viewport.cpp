#include "platform/cad/standin/Viewport.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Viewport::Keyword = QStringLiteral("VPORT");

Viewport::Viewport(const cad::Point& center, double width, double height, bool overall)
    : EntityBase(cad::entityType::PViewport, QStringLiteral("AcDbViewport")), center_(center), width_(width),
      height_(height), overall_(overall)
{
}

double Viewport::customScale() const
{
    enter(QStringLiteral("PViewport.CustomScale"));
    return scale_;
}

void Viewport::setCustomScale(double scale)
{
    change(QStringLiteral("PViewport.CustomScale"), handle() + QLatin1Char(' ') + JournalText::number(scale));
    Validate::positive(scale, QStringLiteral("the viewport scale"));
    scale_ = scale;
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
    writer.point(center_).number(width_).number(height_).number(scale_).flag(on_).flag(overall_).end();
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
    return viewport;
}

QString Viewport::detail() const
{
    return overall_ ? QStringLiteral("overall") : QStringLiteral("scale ") + JournalText::number(scale_);
}

}  // namespace standin
