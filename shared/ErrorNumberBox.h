#pragma once
// The short error box several tools show: the error number in decimal,
// "  Description:  " and the description, in one line, with the style the
// tool gives it. The picking tools show it for an error of their on-screen
// selection, the layer palette also for its spin control.

#include "platform/runtime/Error.h"

#include <QString>

namespace forms { class Interaction; }

namespace suite {

QString errorNumberText(const runtime::Error& error);

void showErrorNumber(forms::Interaction& ui, const runtime::Error& error, int style);

}  // namespace suite
