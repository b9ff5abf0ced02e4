#include "platform/cad/standin/Failures.h"

#include "platform/cad/CadErrors.h"
#include "platform/runtime/Error.h"

namespace standin {

void Failures::failNext(const QString& member, int32_t number, const QString& description)
{
    next_[member].append(Failure{number, description});
}

void Failures::failAlways(const QString& member, int32_t number, const QString& description)
{
    always_.insert(member, Failure{number, description});
}

void Failures::clear(const QString& member)
{
    next_.remove(member);
    always_.remove(member);
}

void Failures::clear()
{
    next_.clear();
    always_.clear();
}

void Failures::check(const QString& member)
{
    const auto queued = next_.find(member);
    if (queued != next_.end() && !queued->isEmpty()) {
        const Failure failure = queued->takeFirst();
        if (queued->isEmpty())
            next_.erase(queued);
        raise(failure);
    }
    const auto always = always_.constFind(member);
    if (always != always_.constEnd())
        raise(always.value());
}

void Failures::raise(const Failure& failure)
{
    if (failure.description.isEmpty())
        cad::raise(failure.number);
    runtime::raise(failure.number, failure.description);
}

}  // namespace standin
