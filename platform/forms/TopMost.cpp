#include "platform/forms/TopMost.h"

#include "platform/runtime/Error.h"

#include <QWidget>

namespace forms {

namespace {
constexpr int NoActivate = 0x10;
constexpr int ShowWindow = 0x40;
}  // namespace

void setTopMost(QWidget* widget, int flags)
{
    if (!widget)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    QWidget* window = widget->window();
    if (flags & NoActivate)
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (!isTopMost(window)) {
        // Changing window flags hides a visible window; it comes back where it was.
        const bool wasVisible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (wasVisible)
            window->show();
    }
    if (flags & ShowWindow)
        window->show();
}

bool isTopMost(const QWidget* widget)
{
    return widget && widget->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace forms
