#include "platform/forms/Caption.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

namespace forms {

namespace {
// The icon and the three buttons, each about one and a half lines square,
// and the bar's margins: seven lines of the title font.
constexpr int ButtonAllowanceLines = 7;
}  // namespace

int captionWidth(const QWidget& window)
{
    QFont title = window.font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    return metrics.horizontalAdvance(window.windowTitle()) + ButtonAllowanceLines * metrics.height();
}

}  // namespace forms
