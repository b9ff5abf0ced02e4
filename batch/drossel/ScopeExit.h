#pragma once
// Runs clean-up steps when the scope is left, whichever way: the end of the
// block, an error, or the program ending. Steps that talk to the host may
// fail; such a failure is passed over and the next step still runs, since
// the scope is being left anyway and the rest of the clean-up must happen.

#include <QList>
#include <functional>
#include <initializer_list>

namespace drossel {

class ScopeExit {
public:
    using Step = std::function<void()>;

    ScopeExit(std::initializer_list<Step> steps) : steps_(steps) {}
    ~ScopeExit();
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    QList<Step> steps_;
};

}  // namespace drossel
