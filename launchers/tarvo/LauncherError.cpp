#include "launchers/tarvo/LauncherError.h"

#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"

namespace tarvo {

QString LauncherError::text(const QString& description, const QString& location)
{
    return QStringLiteral("Decription: ") + description + u'\r' + location;
}

void LauncherError::show(forms::Interaction& ui, const runtime::Error& error, const QString& location)
{
    show(ui, error.number(), error.description(), location);
}

void LauncherError::show(forms::Interaction& ui, int number, const QString& description, const QString& location)
{
    ui.msgBox(text(description, location), forms::msgbox::Critical, QString::number(number));
}

}  // namespace tarvo
