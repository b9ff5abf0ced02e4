#include "layers/wexmoor/EventClassModule.h"

#include "layers/wexmoor/CommandCategories.h"
#include "layers/wexmoor/MdlMain.h"
#include "platform/cad/Application.h"
#include "platform/forms/Dispatcher.h"
#include "platform/runtime/PassOver.h"

namespace wexmoor {

EventClassModule::EventClassModule(forms::Dispatcher& dispatcher, MdlMain& module,
                                   std::function<QString(int)> comboText)
    : dispatcher_(dispatcher), module_(module), comboText_(std::move(comboText))
{
}

EventClassModule::~EventClassModule() { unbind(); }

void EventClassModule::setApp(std::shared_ptr<cad::Application> app)
{
    unbind();
    app_ = std::move(app);
    if (app_)
        subscription_ = app_->subscribeBeginCommand(dispatcher_.wrap(this, &EventClassModule::App_BeginCommand));
}

void EventClassModule::unbind()
{
    if (app_ && subscription_)
        runtime::passOver([&] { app_->unsubscribeBeginCommand(subscription_); });
    app_.reset();
    subscription_ = 0;
}

void EventClassModule::App_BeginCommand(const QString& CommandName)
{
    const std::optional<int> combo = CommandCategories::comboFor(CommandName, module_.drawMode);
    if (!combo)
        return;
    module_.MakeLayerCurrent(comboText_(*combo));
}

}  // namespace wexmoor
