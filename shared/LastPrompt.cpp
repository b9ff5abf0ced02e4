#include "shared/LastPrompt.h"

#include "platform/cad/Document.h"
#include "platform/runtime/PassOver.h"

namespace suite {

QString lastPrompt(const cad::Document& document)
{
    return document.getVariable(QStringLiteral("lastprompt")).toString();
}

bool promptCancelled(const cad::Document& document)
{
    bool cancelled = false;
    runtime::passOver([&] { cancelled = lastPrompt(document).contains(CancelMarker, Qt::CaseInsensitive); });
    return cancelled;
}

}  // namespace suite
