#include "shared/WindowRoutines.h"

#include "platform/env/Environment.h"
#include "platform/forms/FileDialogRequest.h"
#include "platform/forms/Interaction.h"
#include "platform/runtime/Program.h"

namespace suite {

QString openFileDialog(env::Environment& env, const QString& title)
{
    forms::FileDialogRequest request;
    request.title = title;
    request.filters = {{QStringLiteral(" (*.exe)"), QStringLiteral("*.exe")}};
    request.filterIndex = 1;
    request.initialFolder = env.program->path;
    request.flags = forms::FileDialogRequest::OverwritePrompt | forms::FileDialogRequest::HideReadOnly
        | forms::FileDialogRequest::PathMustExist;
    const QString chosen = env.ui->openFileDialog(request);
    // The original buffer was cut at its first NUL; the dialog hands back the
    // path alone, so an empty answer is the only sign of a dismissal.
    return chosen.isEmpty() ? kCanceled : chosen;
}

QString browseForFolder(env::Environment& env, const QString& callerText)
{
    QString folder = env.ui->browseForFolder(QStringLiteral("C:\\") + callerText);
    const int nul = folder.indexOf(QChar(u'\0'));
    if (nul >= 0)
        folder.truncate(nul);
    return folder;
}

}  // namespace suite
