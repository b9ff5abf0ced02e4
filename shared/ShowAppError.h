#pragma once
// The "App Error" report: one critical box naming the failing procedure, the
// error number in hexadecimal and decimal, and the description.

#include "platform/runtime/Error.h"

#include <QString>

namespace forms { class Interaction; }

namespace suite {

QString appErrorText(const QString& location, const runtime::Error& error);

void showAppError(forms::Interaction& ui, const QString& location, const runtime::Error& error);

}  // namespace suite
