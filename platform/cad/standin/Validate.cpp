#include "platform/cad/standin/Validate.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"

#include <cmath>

namespace standin {

bool Validate::isSymbolName(const QString& name)
{
    static const QString forbidden = QStringLiteral("<>/\\\":;?*|,=`");
    bool bad = name.isEmpty() || name.size() > 255 || name.trimmed() != name;
    for (const QChar c : name)
        bad = bad || forbidden.contains(c) || c.unicode() < 32;
    return !bad;
}

void Validate::symbolName(const QString& name)
{
    if (!isSymbolName(name))
        cad::raise(cad::err::InvalidInput, QStringLiteral("\"%1\" is not a valid name").arg(name));
}

void Validate::finite(double value, const QString& what)
{
    if (!std::isfinite(value))
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 must be a number").arg(what));
}

void Validate::positive(double value, const QString& what)
{
    if (!std::isfinite(value) || value <= 0.0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 must be greater than 0").arg(what));
}

void Validate::notNegative(double value, const QString& what)
{
    if (!std::isfinite(value) || value < 0.0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 must not be negative").arg(what));
}

void Validate::range(int value, int minimum, int maximum, const QString& what)
{
    if (value < minimum || value > maximum)
        cad::raise(cad::err::InvalidInput,
                   QStringLiteral("%1 must lie between %2 and %3").arg(what).arg(minimum).arg(maximum));
}

QString Validate::textStyle(const Drawing& drawing, const QString& name)
{
    const auto style = drawing.textStyleTable().find(name);
    if (!style)
        cad::raise(cad::err::KeyNotFound, QStringLiteral("text style %1").arg(name));
    return style->rawName();
}

QString Validate::dimStyle(const Drawing& drawing, const QString& name)
{
    const auto style = drawing.dimStyleTable().find(name);
    if (!style)
        cad::raise(cad::err::KeyNotFound, QStringLiteral("dimension style %1").arg(name));
    return style->rawName();
}

QString Validate::layer(const Drawing& drawing, const QString& name)
{
    const auto layer = drawing.layerTable().find(name);
    if (!layer)
        cad::raise(cad::err::KeyNotFound, QStringLiteral("layer %1").arg(name));
    return layer->rawName();
}

}  // namespace standin
