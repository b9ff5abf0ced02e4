#pragma once
// The one door through which every control event reaches its handler, so that
// no exception ever crosses the Qt event loop. Program end and an untrapped
// run-time error both end the program here: the windows it knows of are hidden
// and a running event loop is left with the exit code. After the end no
// handler runs any more.
//
// Every run() catches what its handler throws, also when it is nested inside
// another handler (a handler that raises an event of another control, or an
// event delivered while a modal box waits): a throw never passes through the Qt
// code in between. The outer handler then runs on to its own end, but every
// handler it would start from there on is skipped.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <type_traits>
#include <utility>

namespace runtime { class Error; }

namespace forms {

class Form;
class Interaction;

class Dispatcher {
public:
    // Exit code after an untrapped run-time error.
    static constexpr int ErrorExitCode = 1;

    explicit Dispatcher(Interaction& interaction);

    void run(const std::function<void()>& handler);

    // A slot for connect() that enters `handler` through run(); a handler that
    // takes the signal's arguments gets them, one that takes none is called
    // without.
    template <typename F>
    auto wrap(F handler)
    {
        return [this, handler = std::move(handler)](auto&&... args) {
            run([&] { callWithOrWithout(handler, std::forward<decltype(args)>(args)...); });
        };
    }

    // A member handler, e.g. wrap(this, &FrmMain::CmdExit_Click).
    template <typename Object, typename Method>
    auto wrap(Object* object, Method method)
    {
        return wrap([object, method](auto&&... args) {
            callWithOrWithout(std::bind_front(method, object), std::forward<decltype(args)>(args)...);
        });
    }

    // Top-level windows the program owns; they are hidden at the end.
    void addWindow(QWidget* window);

    // The program's forms (a form adds itself). With endsWithLastForm set,
    // the unload of the last loaded form ends the program, as it does in a
    // program that has no Exit routine of its own.
    void addForm(Form* form);
    void removeForm(Form* form);
    void formUnloaded();
    void setEndsWithLastForm(bool on) { endsWithLastForm_ = on; }

    // The end as a handler's ProgramEnd brings it about, for code that is not
    // inside a handler (main, a test, the last form closing).
    void endProgram(int exitCode = 0);

    // Work that must happen however the program ends (Exit, a close box, an
    // error report's Abort, an untrapped error): run once at the end, in the
    // order added, before the windows are hidden. A numbered error it raises
    // is passed over, since the program ends either way.
    void atEnd(std::function<void()> work);

    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    bool running() const { return depth_ > 0; }

    // The runtime's default report of an untrapped error, exactly as shown.
    static QString defaultReportText(const runtime::Error& error);

private:
    // Calls the handler with the signal's arguments when it takes them, else
    // without. A function template of its own, so that the branch not taken is
    // never instantiated (inside a generic lambda some compilers check it).
    template <typename F, typename... Args>
    static void callWithOrWithout(F& handler, Args&&... args)
    {
        if constexpr (std::is_invocable_v<F&, Args...>)
            std::invoke(handler, std::forward<Args>(args)...);
        else
            std::invoke(handler);
    }
    template <typename F, typename... Args>
    static void callWithOrWithout(F&& handler, Args&&... args)
    {
        callWithOrWithout(handler, std::forward<Args>(args)...);
    }

    void reportUntrapped(const runtime::Error& error);
    void fault(const char* what);

    Interaction& interaction_;
    QList<QPointer<QWidget>> windows_;
    QList<Form*> forms_;
    QList<std::function<void()>> atEnd_;
    bool endsWithLastForm_ = false;
    int depth_ = 0;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace forms
