#pragma once
// Turns a mouse button's release over a control into the control's MouseUp
// handler, entered through the dispatcher. The release goes on to the control
// as before.

#include <QObject>
#include <QPoint>
#include <functional>

namespace forms { class Dispatcher; }

namespace pollent {

class MouseUpWatcher : public QObject {
public:
    using Handler = std::function<void(Qt::MouseButton button, const QPoint& globalPos)>;

    // Watches `target` (for a list view, its viewport) and belongs to it.
    MouseUpWatcher(QObject* target, forms::Dispatcher& dispatcher, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    forms::Dispatcher& dispatcher_;
    Handler handler_;
};

}  // namespace pollent
