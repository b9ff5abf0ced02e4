#pragma once

#include <QString>

namespace unbalo {

// Where a run shows how far it got: the installer window's caption, which is
// the progress display of both runs.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void showProgress(const QString& caption) = 0;
};

}  // namespace unbalo
