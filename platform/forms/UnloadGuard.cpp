#include "platform/forms/UnloadGuard.h"

#include "platform/forms/Dispatcher.h"

#include <QEvent>
#include <QWidget>

namespace forms {

UnloadGuard::UnloadGuard(QWidget* window, Dispatcher& dispatcher, Handler handler)
    : QObject(window), dispatcher_(dispatcher), handler_(std::move(handler))
{
    window->installEventFilter(this);
}

bool UnloadGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close || watched != parent() || !handler_)
        return false;
    bool cancel = false;
    dispatcher_.run([&] { handler_(cancel); });
    // A handler that ended the program has its window closed whatever it set.
    if (cancel && !dispatcher_.ended()) {
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace forms
