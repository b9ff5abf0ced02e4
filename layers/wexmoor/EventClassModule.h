#pragma once
// Wexmoor's listener to the host's command-start event: bound once to the
// application object, it makes the layer of the command's category current
// before the command draws anything. The event is entered through the
// program's dispatcher like every control event, so nothing it raises reaches
// the host's command and nothing runs once the program has ended.

#include <QString>
#include <functional>
#include <memory>

namespace cad { class Application; }
namespace forms { class Dispatcher; }

namespace wexmoor {

class MdlMain;

class EventClassModule {
public:
    // `comboText` gives the text of a category's combo box by its index.
    EventClassModule(forms::Dispatcher& dispatcher, MdlMain& module, std::function<QString(int)> comboText);
    ~EventClassModule();
    EventClassModule(const EventClassModule&) = delete;
    EventClassModule& operator=(const EventClassModule&) = delete;

    const std::shared_ptr<cad::Application>& App() const { return app_; }
    // Binds the events of this application (and unbinds those of the one
    // before); null unbinds.
    void setApp(std::shared_ptr<cad::Application> app);

    void App_BeginCommand(const QString& CommandName);

private:
    void unbind();

    forms::Dispatcher& dispatcher_;
    MdlMain& module_;
    std::function<QString(int)> comboText_;
    std::shared_ptr<cad::Application> app_;
    int subscription_ = 0;
};

}  // namespace wexmoor
