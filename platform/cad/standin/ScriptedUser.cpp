#include "platform/cad/standin/ScriptedUser.h"

#include <stdexcept>

namespace standin {

ScriptedUser::ScriptedUser()
    : failureHook_([](const QString& message) { throw std::logic_error(message.toStdString()); })
{
}

ScriptedUser& ScriptedUser::point(double x, double y, double z)
{
    script_.push_back(Step{false, PointAnswer::at({x, y, z}), {}});
    return *this;
}

ScriptedUser& ScriptedUser::typedPoint(double x, double y, double z)
{
    script_.push_back(Step{false, PointAnswer::typedAt({x, y, z}), {}});
    return *this;
}

ScriptedUser& ScriptedUser::enter()
{
    script_.push_back(Step{false, PointAnswer::enter(), {}});
    return *this;
}

ScriptedUser& ScriptedUser::esc()
{
    script_.push_back(Step{false, PointAnswer::cancel(), {}});
    return *this;
}

ScriptedUser& ScriptedUser::selection(std::vector<std::shared_ptr<cad::Entity>> entities,
                                      const QString& lastPrompt)
{
    script_.push_back(Step{true, {}, SelectionAnswer{std::move(entities), lastPrompt}});
    return *this;
}

std::optional<ScriptedUser::Step> ScriptedUser::take(bool selection, const QString& prompt)
{
    prompts_.append(prompt);
    const QString wanted = selection ? QStringLiteral("a selection") : QStringLiteral("a point");
    if (script_.empty()) {
        failureHook_(QStringLiteral("The host asked for %1 (\"%2\") after the script's last answer")
                         .arg(wanted, prompt));
        return std::nullopt;
    }
    if (script_.front().isSelection != selection) {
        failureHook_(QStringLiteral("The host asked for %1 (\"%2\") but the script's next answer is %3")
                         .arg(wanted, prompt,
                              selection ? QStringLiteral("a point") : QStringLiteral("a selection")));
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

PointAnswer ScriptedUser::askPoint(const QString& prompt, const std::optional<cad::Point>&)
{
    const std::optional<Step> step = take(false, prompt);
    return step ? step->point : PointAnswer::enter();
}

SelectionAnswer ScriptedUser::askSelection(const std::vector<std::shared_ptr<cad::Entity>>&)
{
    const std::optional<Step> step = take(true, SelectPrompt);
    return step ? step->selection : SelectionAnswer{{}, CancelPrompt};
}

}  // namespace standin
