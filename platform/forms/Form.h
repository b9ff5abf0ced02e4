#pragma once
// Base of the programs' forms: a top-level window with a caption, a size in
// twips and an unload handler that may refuse the close. The dispatcher knows
// the form, so that the program's end hides it.

#include <QWidget>
#include <functional>

namespace forms {

class Dispatcher;
class UnloadGuard;

class Form : public QWidget {
public:
    explicit Form(Dispatcher& dispatcher, QWidget* parent = nullptr);

    Dispatcher& dispatcher() const { return dispatcher_; }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // The client area's size.
    void setTwipsSize(int width, int height);

    // Runs when the form is asked to close; set `cancel` to keep it open.
    void setUnloadHandler(std::function<void(bool& cancel)> handler);

private:
    Dispatcher& dispatcher_;
    UnloadGuard* unloadGuard_;
};

}  // namespace forms
