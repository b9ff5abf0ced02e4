#pragma once
// Runs a window's unload handler when the window is asked to close, through the
// dispatcher; the handler may set `cancel` to keep the window open. Works on
// any top-level widget (QWidget, QMainWindow, QDialog). Once the program has
// ended the window closes without asking.

#include <QObject>
#include <functional>

class QWidget;

namespace forms {

class Dispatcher;

class UnloadGuard : public QObject {
public:
    using Handler = std::function<void(bool& cancel)>;

    // The guard belongs to the window and watches its close events.
    UnloadGuard(QWidget* window, Dispatcher& dispatcher, Handler handler = {});

    void setHandler(Handler handler) { handler_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dispatcher& dispatcher_;
    Handler handler_;
};

}  // namespace forms
