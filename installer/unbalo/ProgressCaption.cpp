#include "installer/unbalo/ProgressCaption.h"

#include "installer/unbalo/ProgressDisplay.h"
#include "platform/runtime/Round.h"

#include <cmath>

namespace unbalo {

const QString ProgressCaption::Complete = QStringLiteral("Install...  100% Complete");

int ProgressCaption::percent(int done, int count)
{
    if (count <= 0)
        return 0;
    return int(std::lround(runtime::roundTo(double(done) / double(count), 2) * 100.0));
}

std::optional<QString> ProgressCaption::caption(int done, int count)
{
    const int pct = percent(done, count);
    if (pct >= 90)
        return std::nullopt;
    return QStringLiteral("Install...   %1% Complete").arg(pct);
}

void ProgressCaption::show(ProgressDisplay& display, int done, int count)
{
    if (const std::optional<QString> text = caption(done, count))
        display.showProgress(*text);
}

}  // namespace unbalo
