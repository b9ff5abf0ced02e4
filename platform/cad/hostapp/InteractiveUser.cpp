#include "platform/cad/hostapp/InteractiveUser.h"

#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/PointText.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace hostapp {

const QString InteractiveUser::InvalidPoint = QStringLiteral("Point or option keyword required.");

namespace {
const QString AllKeyword = QStringLiteral("ALL");

bool orthoOf(const hostview::DrawingView* view)
{
    if (!view || !view->document())
        return false;
    return view->document()->drawing()->variable(QStringLiteral("ORTHOMODE")).toInt() == 1;
}
}  // namespace

struct InteractiveUser::Prompt {
    bool selection = false;
    QString text;
    std::optional<cad::Point> base;
    std::vector<std::shared_ptr<cad::Entity>> candidates;
    QPointer<hostview::DrawingView> view;
    QEventLoop* loop = nullptr;
    bool done = false;
    standin::PointAnswer point = standin::PointAnswer::cancel();
    standin::SelectionAnswer chosen{{}, standin::CancelPrompt};
};

InteractiveUser::InteractiveUser(CommandLine& commandLine, ViewSource views, QObject* parent)
    : QObject(parent), commandLine_(commandLine), views_(std::move(views))
{
}

InteractiveUser::~InteractiveUser() { cancelAll(); }

standin::PointAnswer InteractiveUser::askPoint(const QString& prompt, const std::optional<cad::Point>& base)
{
    Prompt question;
    question.text = prompt;
    question.base = base;
    run(question);
    return question.point;
}

standin::SelectionAnswer InteractiveUser::askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates)
{
    Prompt question;
    question.selection = true;
    question.text = standin::SelectPrompt;
    question.candidates = candidates;
    run(question);
    return question.chosen;
}

void InteractiveUser::run(Prompt& prompt)
{
    while (!prompt.done && queued_) {
        const std::optional<QString> entry = queued_();
        if (!entry)
            break;
        commandLine_.echo((prompt.text + u' ' + *entry).trimmed());
        take(prompt, *entry);
    }
    if (prompt.done)
        return;
    prompt.view = views_ ? views_() : nullptr;
    prompts_.push_back(&prompt);
    show(prompt);
    QEventLoop loop;
    prompt.loop = &loop;
    loop.exec();
    prompt.loop = nullptr;
    prompts_.erase(std::remove(prompts_.begin(), prompts_.end(), &prompt), prompts_.end());
    if (!prompt.done) {
        // The loop was left without an answer: the program ends.
        prompt.point = standin::PointAnswer::cancel();
        prompt.chosen = {{}, standin::CancelPrompt};
    }
    hide();
    if (Prompt* below = current()) {
        show(*below);
        return;
    }
    // The command line goes back to "Command:" unless the next prompt (the
    // next point of a command) follows at once.
    QTimer::singleShot(0, this, [this] {
        if (!current())
            commandLine_.clearPrompt();
    });
}

bool InteractiveUser::take(Prompt& prompt, const QString& text)
{
    const QString trimmed = text.trimmed();
    if (prompt.selection) {
        if (trimmed.isEmpty()) {
            prompt.chosen.lastPrompt = standin::SelectPrompt;
            finish(prompt);
            return true;
        }
        if (trimmed.compare(AllKeyword, Qt::CaseInsensitive) == 0) {
            addPicked(prompt, prompt.candidates);
            return false;
        }
        commandLine_.echo(QStringLiteral("*Invalid selection*"));
        return false;
    }
    if (trimmed.isEmpty()) {
        prompt.point = standin::PointAnswer::enter();
        finish(prompt);
        return true;
    }
    // "@dx,dy" is relative to the base point (the origin without one).
    const bool relative = trimmed.startsWith(u'@');
    std::optional<cad::Point> point = standin::PointText::parse(relative ? trimmed.mid(1) : trimmed);
    if (!point) {
        commandLine_.echo(InvalidPoint);
        return false;
    }
    if (relative && prompt.base) {
        point->x += prompt.base->x;
        point->y += prompt.base->y;
        point->z += prompt.base->z;
    }
    prompt.point = standin::PointAnswer::typedAt(*point);
    finish(prompt);
    return true;
}

void InteractiveUser::finish(Prompt& prompt)
{
    prompt.done = true;
    if (prompt.loop)
        prompt.loop->exit();
}

InteractiveUser::Prompt* InteractiveUser::current() const { return prompts_.empty() ? nullptr : prompts_.back(); }

bool InteractiveUser::waiting() const
{
    const Prompt* prompt = current();
    return prompt && !prompt->done;
}

void InteractiveUser::answer(const QString& text)
{
    if (Prompt* prompt = current(); prompt && !prompt->done)
        take(*prompt, text);
}

void InteractiveUser::enter()
{
    Prompt* prompt = current();
    if (!prompt || prompt->done)
        return;
    commandLine_.echo(prompt->text);
    take(*prompt, QString());
}

void InteractiveUser::escape()
{
    Prompt* prompt = current();
    if (!prompt || prompt->done)
        return;
    commandLine_.echo(prompt->text + u' ' + standin::CancelPrompt);
    prompt->point = standin::PointAnswer::cancel();
    prompt->chosen = {{}, standin::CancelPrompt};
    finish(*prompt);
}

void InteractiveUser::cancelAll()
{
    for (Prompt* prompt : prompts_) {
        prompt->point = standin::PointAnswer::cancel();
        prompt->chosen = {{}, standin::CancelPrompt};
        finish(*prompt);
    }
}

void InteractiveUser::show(Prompt& prompt)
{
    hide();
    commandLine_.showPrompt(prompt.text);
    hostview::DrawingView* view = prompt.view;
    if (!view)
        return;
    shownView_ = view;
    // The person answers in the host's window: it comes to the front (the
    // tool that asks has hidden its own).
    view->window()->raise();
    view->window()->activateWindow();
    view->setMode(prompt.selection ? hostview::DrawingView::Mode::Select : hostview::DrawingView::Mode::Point,
                  prompt.base, orthoOf(view));
    viewConnections_ = {
        connect(view, &hostview::DrawingView::pointPicked, this, &InteractiveUser::pointPicked),
        connect(view, &hostview::DrawingView::objectsPicked, this, &InteractiveUser::objectsPicked),
        connect(view, &hostview::DrawingView::enterPressed, this, &InteractiveUser::enter),
        connect(view, &hostview::DrawingView::escapePressed, this, &InteractiveUser::escape),
    };
}

void InteractiveUser::hide()
{
    for (const QMetaObject::Connection& connection : viewConnections_)
        disconnect(connection);
    viewConnections_.clear();
    if (shownView_)
        shownView_->setMode(hostview::DrawingView::Mode::Idle);
    shownView_ = nullptr;
}

void InteractiveUser::pointPicked(const cad::Point& point)
{
    Prompt* prompt = current();
    if (!prompt || prompt->done || prompt->selection)
        return;
    commandLine_.echo(prompt->text);
    prompt->point = standin::PointAnswer::at(point);
    finish(*prompt);
}

void InteractiveUser::objectsPicked(const std::vector<std::shared_ptr<cad::Entity>>& objects)
{
    Prompt* prompt = current();
    if (!prompt || prompt->done || !prompt->selection)
        return;
    addPicked(*prompt, objects);
}

void InteractiveUser::addPicked(Prompt& prompt, const std::vector<std::shared_ptr<cad::Entity>>& objects)
{
    // Only objects of the space the person works in count; one picked twice
    // is there once.
    int found = 0;
    int duplicates = 0;
    std::vector<std::shared_ptr<cad::Entity>>& chosen = prompt.chosen.entities;
    for (const auto& object : objects) {
        const auto isObject = [&](const std::shared_ptr<cad::Entity>& e) { return e.get() == object.get(); };
        if (!object || std::none_of(prompt.candidates.begin(), prompt.candidates.end(), isObject))
            continue;
        ++found;
        if (std::any_of(chosen.begin(), chosen.end(), isObject))
            ++duplicates;
        else
            chosen.push_back(object);
    }
    if (duplicates > 0)
        commandLine_.echo(QStringLiteral("%1 found, %2 duplicate, %3 total").arg(found).arg(duplicates).arg(chosen.size()));
    else
        commandLine_.echo(QStringLiteral("%1 found, %2 total").arg(found).arg(chosen.size()));
}

}  // namespace hostapp
