#include "platform/cad/standin/Layer.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

Layer::Layer(std::weak_ptr<Drawing> drawing, QString name) : SymbolRecord(std::move(drawing), std::move(name))
{
}

QString Layer::name() const
{
    enter(QStringLiteral("Layer.Name"));
    return rawName();
}

int Layer::color() const
{
    enter(QStringLiteral("Layer.Color"));
    return color_;
}

void Layer::setColor(int color)
{
    change(QStringLiteral("Layer.Color"), rawName() + QLatin1Char(' ') + QString::number(color));
    // Assumption: a layer takes a colour index from 1 to 255; the "by layer"
    // and "by block" values are for entities only.
    Validate::range(color, 1, 255, QStringLiteral("a layer colour"));
    color_ = color;
}

QString Layer::linetype() const
{
    enter(QStringLiteral("Layer.Linetype"));
    return linetype_;
}

void Layer::setLinetype(const QString& linetype)
{
    const auto drawing = change(QStringLiteral("Layer.Linetype"), rawName() + QLatin1Char(' ') + linetype);
    // Assumption: a layer can only take a linetype loaded into the drawing.
    const auto loaded = drawing->linetypeTable().find(linetype);
    if (!loaded)
        cad::raise(cad::err::KeyNotFound, QStringLiteral("linetype %1 is not loaded").arg(linetype));
    linetype_ = loaded->rawName();
}

bool Layer::freeze() const
{
    enter(QStringLiteral("Layer.Freeze"));
    return frozen_;
}

void Layer::setFreeze(bool frozen)
{
    const auto drawing =
        change(QStringLiteral("Layer.Freeze"), rawName() + QLatin1Char(' ') + JournalText::flag(frozen));
    // Assumption: the current layer cannot be frozen.
    if (frozen && drawing->currentLayer().compare(rawName(), Qt::CaseInsensitive) == 0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("the current layer cannot be frozen"));
    frozen_ = frozen;
}

bool Layer::layerOn() const
{
    enter(QStringLiteral("Layer.LayerOn"));
    return on_;
}

void Layer::setLayerOn(bool on)
{
    change(QStringLiteral("Layer.LayerOn"), rawName() + QLatin1Char(' ') + JournalText::flag(on));
    on_ = on;
}

void Layer::setRaw(int color, const QString& linetype, bool on, bool frozen)
{
    color_ = color;
    linetype_ = linetype;
    on_ = on;
    frozen_ = frozen;
}

}  // namespace standin
