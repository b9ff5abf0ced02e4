#include "platform/forms/WindowAlpha.h"

#include "platform/runtime/Error.h"

#include <QGraphicsOpacityEffect>
#include <QVariant>
#include <QWidget>

namespace forms {

namespace {
// The alpha is kept as given: window opacity is stored rounded by Qt.
constexpr const char* AlphaProperty = "forms_alpha";
constexpr const char* LayeredProperty = "forms_layered";
}  // namespace

void setWindowAlpha(QWidget* widget, int alpha)
{
    if (!widget)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    if (alpha < 0 || alpha > 255)
        runtime::raise(runtime::err::Overflow);

    widget->setProperty(LayeredProperty, true);
    widget->setProperty(AlphaProperty, alpha);
    const qreal opacity = alpha / 255.0;
    if (widget->isWindow()) {
        widget->setWindowOpacity(opacity);
        return;
    }
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(widget);
        widget->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
}

int windowAlpha(const QWidget* widget)
{
    if (!widget)
        return 255;
    const QVariant alpha = widget->property(AlphaProperty);
    return alpha.isValid() ? alpha.toInt() : 255;
}

bool isLayered(const QWidget* widget) { return widget && widget->property(LayeredProperty).toBool(); }

}  // namespace forms
