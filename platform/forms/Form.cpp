#include "platform/forms/Form.h"

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Twips.h"
#include "platform/forms/UnloadGuard.h"

#include <QCloseEvent>

namespace forms {

Form::Form(Dispatcher& dispatcher, QWidget* parent)
    : QWidget(parent, Qt::Window), dispatcher_(dispatcher), unloadGuard_(new UnloadGuard(this, dispatcher))
{
    dispatcher_.addWindow(this);
}

void Form::setTwipsSize(int width, int height) { resize(twipsToPixels(width), twipsToPixels(height)); }

void Form::setUnloadHandler(std::function<void(bool& cancel)> handler)
{
    unloadGuard_->setHandler(std::move(handler));
}

void Form::setLoadHandler(std::function<void()> handler) { loadHandler_ = std::move(handler); }

void Form::showLoaded()
{
    load();
    show();
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    if (loadHandler_)
        loadHandler_();
}

void Form::closeEvent(QCloseEvent* event)
{
    // A close the unload handler refused never gets here: the guard swallows
    // the event first.
    QWidget::closeEvent(event);
    if (event->isAccepted())
        loaded_ = false;
}

}  // namespace forms
