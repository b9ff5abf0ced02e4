#pragma once
// The person at the host program, as the host's prompts meet them: a point
// prompt shows its text on the command line and waits for a click in the
// drawing view (levelled by ortho mode against the base), coordinates typed
// on the command line ("x,y", "x,y,z", "@dx,dy" from the base; taken as
// typed), Enter (no point) or Esc; a selection ("Select objects:") gathers
// what clicks and windows in the view pick until Enter, or is cancelled by
// Esc ("*Cancel*"). The host goes on serving every tool while a prompt
// waits. A prompt asked while another waits (a tool's prompt during LINE)
// comes first; the one below it is shown again when it is answered.

#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/standin/User.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace hostapp {

class CommandLine;

class InteractiveUser : public QObject, public standin::User {
    Q_OBJECT

public:
    // The view of the active drawing when a prompt starts (null: none open).
    using ViewSource = std::function<hostview::DrawingView*()>;
    // Entries already sent to the command line that a new prompt takes
    // before it waits (SendCommand "LINE 0,0 5,5 ").
    using QueuedInput = std::function<std::optional<QString>()>;

    static const QString InvalidPoint;

    InteractiveUser(CommandLine& commandLine, ViewSource views, QObject* parent = nullptr);
    ~InteractiveUser() override;

    void setQueuedInput(QueuedInput input) { queued_ = std::move(input); }

    standin::PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override;
    standin::SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override;

    // Whether a prompt waits for an answer.
    bool waiting() const;
    // A line entered while a prompt waits (the command line has shown it).
    void answer(const QString& text);
    void enter();
    void escape();
    // Every waiting prompt is cancelled (the host ends).
    void cancelAll();

private:
    struct Prompt;

    void run(Prompt& prompt);
    // True when the text answered the prompt.
    bool take(Prompt& prompt, const QString& text);
    void finish(Prompt& prompt);
    void show(Prompt& prompt);
    void hide();
    Prompt* current() const;
    void pointPicked(const cad::Point& point);
    void objectsPicked(const std::vector<std::shared_ptr<cad::Entity>>& objects);
    void addPicked(Prompt& prompt, const std::vector<std::shared_ptr<cad::Entity>>& objects);

    CommandLine& commandLine_;
    ViewSource views_;
    QueuedInput queued_;
    std::vector<Prompt*> prompts_;
    // The view the shown prompt picks in, and its signals' connections.
    QPointer<hostview::DrawingView> shownView_;
    std::vector<QMetaObject::Connection> viewConnections_;
};

}  // namespace hostapp
