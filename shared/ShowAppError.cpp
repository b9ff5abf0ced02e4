#include "shared/ShowAppError.h"

#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Hex.h"

namespace suite {

QString appErrorText(const QString& location, const runtime::Error& error)
{
    return QStringLiteral("Location:\t\t") + location + QStringLiteral("\r\n")
        + QStringLiteral("Source:\t\t") + runtime::hex32(error.number()) + QStringLiteral("h   (")
        + QString::number(error.number()) + QStringLiteral(")\r\n")
        + QStringLiteral("Description:\t") + error.description();
}

void showAppError(forms::Interaction& ui, const QString& location, const runtime::Error& error)
{
    ui.msgBox(appErrorText(location, error), forms::msgbox::Critical, QStringLiteral("App Error"));
}

}  // namespace suite
