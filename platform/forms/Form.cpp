#include "platform/forms/Form.h"

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Twips.h"
#include "platform/forms/UnloadGuard.h"

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

}  // namespace forms
