#pragma once
// A user whose answers are written in advance, in the order the host will ask
// for them. An answer of the wrong kind, or a question after the last answer,
// calls the failure hook (tests set one that records a test failure; the
// default throws std::logic_error) and then answers "no point" or a cancelled
// selection, so a tool's pick loop ends instead of hanging.

#include "platform/cad/standin/User.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace standin {

class ScriptedUser : public User {
public:
    using FailureHook = std::function<void(const QString& message)>;

    ScriptedUser();

    // A point clicked, and one typed as coordinates (which ortho mode leaves
    // as it is).
    ScriptedUser& point(double x, double y, double z = 0.0);
    // Coordinates typed at the prompt: not levelled by ortho mode.
    ScriptedUser& typed(double x, double y, double z = 0.0);
    // Enter at a point prompt: the host raises err::NoPointGiven.
    ScriptedUser& enter();
    // Esc at a point prompt: the host raises its cancel error and its
    // "lastprompt" becomes "*Cancel*".
    ScriptedUser& esc();
    ScriptedUser& selection(std::vector<std::shared_ptr<cad::Entity>> entities,
                            const QString& lastPrompt = SelectPrompt);
    ScriptedUser& cancelSelection() { return selection({}, CancelPrompt); }

    void setFailureHook(FailureHook hook) { failureHook_ = std::move(hook); }

    // Answers not yet given.
    int remaining() const { return static_cast<int>(script_.size()); }
    // The point prompts the host asked, in order ("Select objects" for each
    // selection).
    const QStringList& prompts() const { return prompts_; }

    PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override;
    SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override;

private:
    struct Step {
        bool isSelection = false;
        PointAnswer point;
        SelectionAnswer selection;
    };

    // The next step when it is of the wanted kind; otherwise the hook is
    // called and nothing is returned.
    std::optional<Step> take(bool selection, const QString& prompt);

    std::deque<Step> script_;
    QStringList prompts_;
    FailureHook failureHook_;
};

}  // namespace standin
