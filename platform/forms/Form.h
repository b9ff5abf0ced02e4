#pragma once
// Base of the programs' forms and the one lifecycle they share. A form loads
// on its first show (or an explicit load()), stays loaded while hidden, and
// unloads when it is closed and its unload handler lets it go; the first show
// after that loads it again. A form overrides the handlers it needs:
//
//   Form_Load            runs at load, called directly so that what it throws
//                        reaches the code that showed the form;
//   Form_Unload(cancel)  runs when the form is asked to close, through the
//                        dispatcher; set `cancel` to keep the form;
//   Form_Resize          runs after the size or the window state changed,
//                        through the dispatcher (isMinimized() tells a
//                        minimise).
//
// The dispatcher knows every form, so that the program's end hides it (a form
// hidden so stays loaded) and, where the program asks for it, the unload of
// its last loaded form ends the program.

#include <QWidget>

class QCloseEvent;

namespace forms {

class Dispatcher;

class Form : public QWidget {
public:
    explicit Form(Dispatcher& dispatcher, QWidget* parent = nullptr);
    ~Form() override;

    Dispatcher& dispatcher() const { return dispatcher_; }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // The client area's size, for windows whose size is behaviour the user
    // relies on; every other form sizes itself by its layout.
    void setTwipsSize(int width, int height);

    // Runs Form_Load unless the form is loaded. The form counts as loaded from
    // the start of its load, so a show from inside Form_Load does not load it a
    // second time.
    void load();
    // Asks the form to close as the user's close box would; true when it
    // unloaded.
    bool unload();
    bool isLoaded() const { return loaded_; }

    // Every show loads the form first; a show of a visible form neither raises
    // nor activates it.
    void setVisible(bool visible) override;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
    virtual void Form_Resize() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Dispatcher& dispatcher_;
    bool loaded_ = false;
};

}  // namespace forms
