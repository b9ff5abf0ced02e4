#include "batch/pollent/MouseUpWatcher.h"

#include "platform/forms/Dispatcher.h"

#include <QMouseEvent>

namespace pollent {

MouseUpWatcher::MouseUpWatcher(QObject* target, forms::Dispatcher& dispatcher, Handler handler)
    : QObject(target), dispatcher_(dispatcher), handler_(std::move(handler))
{
    target->installEventFilter(this);
}

bool MouseUpWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::MouseButtonRelease && handler_) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButton button = mouse->button();
        const QPoint globalPos = mouse->globalPosition().toPoint();
        dispatcher_.run([&] { handler_(button, globalPos); });
    }
    return false;
}

}  // namespace pollent
