#include "shared/ErrorNumberBox.h"

#include "platform/forms/Interaction.h"

namespace suite {

QString errorNumberText(const runtime::Error& error)
{
    return QString::number(error.number()) + QStringLiteral("  Description:  ") + error.description();
}

void showErrorNumber(forms::Interaction& ui, const runtime::Error& error, int style)
{
    ui.msgBox(errorNumberText(error), style);
}

}  // namespace suite
