#pragma once
// Base of the programs' forms: a top-level window with a caption, a size in
// twips, an unload handler that may refuse the close and a load handler. A
// form loads on its first show, stays loaded while hidden and loads again on
// the first show after it was unloaded (closed). The dispatcher knows the
// form, so that the program's end hides it; a form hidden so stays loaded.

#include <QWidget>
#include <functional>

class QCloseEvent;

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
    // A close it lets through unloads the form.
    void setUnloadHandler(std::function<void(bool& cancel)> handler);

    // Runs when the form loads. It is called directly, not through the
    // dispatcher, so what it throws reaches the code that showed the form.
    void setLoadHandler(std::function<void()> handler);

    bool isLoaded() const { return loaded_; }

    // Loads the form unless it is loaded, then shows it. It neither raises
    // nor activates a window that is shown already.
    void showLoaded();

protected:
    // Runs the load handler unless the form is loaded. The form counts as
    // loaded from the start of its load, so a show from inside the load
    // handler does not load it a second time.
    void load();

    void closeEvent(QCloseEvent* event) override;

private:
    Dispatcher& dispatcher_;
    UnloadGuard* unloadGuard_;
    std::function<void()> loadHandler_;
    bool loaded_ = false;
};

}  // namespace forms
