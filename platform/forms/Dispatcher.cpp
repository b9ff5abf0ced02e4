#include "platform/forms/Dispatcher.h"

#include "platform/forms/Form.h"
#include "platform/forms/Interaction.h"
#include "platform/runtime/Error.h"

#include <QCoreApplication>
#include <QThread>
#include <exception>

namespace forms {

Dispatcher::Dispatcher(Interaction& interaction) : interaction_(interaction) {}

void Dispatcher::run(const std::function<void()>& handler)
{
    if (ended_ || !handler)
        return;
    ++depth_;
    try {
        handler();
    } catch (const runtime::ProgramEnd& end) {
        endProgram(end.exitCode);
    } catch (const runtime::Error& error) {
        reportUntrapped(error);
    } catch (const std::exception& error) {
        fault(error.what());
    } catch (...) {
        fault("unknown exception");
    }
    --depth_;
}

QString Dispatcher::defaultReportText(const runtime::Error& error)
{
    return QStringLiteral("Run-time error '%1':\r\n\r\n").arg(error.number()) + error.description();
}

void Dispatcher::reportUntrapped(const runtime::Error& error)
{
    // The report itself must not let anything escape either.
    try {
        interaction_.msgBox(defaultReportText(error), 0);
    } catch (const std::exception& reportError) {
        qCritical("the error report failed: %s", reportError.what());
    } catch (...) {
        qCritical("the error report failed");
    }
    endProgram(ErrorExitCode);
}

void Dispatcher::fault(const char* what)
{
    // Not a run-time error of the program but a fault of our own code: it
    // cannot be reported as the program would, and going on is unsafe.
    qCritical("handler ended by an unexpected exception: %s", what);
    endProgram(ErrorExitCode);
}

void Dispatcher::addWindow(QWidget* window)
{
    if (window && !windows_.contains(window))
        windows_.append(window);
}

void Dispatcher::atEnd(std::function<void()> work)
{
    if (work)
        atEnd_.append(std::move(work));
}

void Dispatcher::addForm(Form* form)
{
    addWindow(form);
    if (!forms_.contains(form))
        forms_.append(form);
}

void Dispatcher::removeForm(Form* form) { forms_.removeAll(form); }

void Dispatcher::formUnloaded()
{
    if (!endsWithLastForm_ || ended_)
        return;
    for (const Form* form : std::as_const(forms_))
        if (form->isLoaded())
            return;
    endProgram();
}

void Dispatcher::endProgram(int exitCode)
{
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = exitCode;
    for (const std::function<void()>& work : std::as_const(atEnd_)) {
        try {
            work();
        } catch (const runtime::Error&) {
            // Passed over: the program ends either way.
        } catch (const runtime::ProgramEnd&) {
        } catch (const std::exception& error) {
            qCritical("work at the program's end failed: %s", error.what());
        }
    }
    atEnd_.clear();
    // Hidden, not closed: ending runs no unload handler.
    for (const QPointer<QWidget>& window : windows_) {
        if (window)
            window->hide();
    }
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
}

}  // namespace forms
