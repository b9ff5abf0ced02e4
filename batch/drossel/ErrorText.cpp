#include "batch/drossel/ErrorText.h"

#include "platform/runtime/Error.h"

namespace drossel {

QString errorText(const runtime::Error& error, const QString& tag)
{
    return QString::number(error.number()) + QStringLiteral("  Description:  ") + error.description() + tag;
}

}  // namespace drossel
