#include "platform/cad/CadErrors.h"

#include "platform/runtime/Error.h"

namespace cad {

QString hostDescription(int32_t number)
{
    switch (number) {
    case err::DrawingReadOnly: return QStringLiteral("Drawing is read-only");
    case err::InvalidInput: return QStringLiteral("Invalid input");
    case err::DuplicateRecordName: return QStringLiteral("Duplicate record name");
    case err::KeyNotFound: return QStringLiteral("Key not found");
    case err::InvalidArgument: return QStringLiteral("The parameter is incorrect.");
    case err::RpcServerUnavailable: return QStringLiteral("The RPC server is unavailable.");
    default: return runtime::defaultDescription(number);
    }
}

void raise(int32_t number) { runtime::raise(number, hostDescription(number)); }

void raise(int32_t number, const QString& detail)
{
    if (detail.isEmpty())
        raise(number);
    runtime::raise(number, hostDescription(number) + QStringLiteral(": ") + detail);
}

}  // namespace cad
