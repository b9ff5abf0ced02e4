#pragma once
// The host's last prompt ("lastprompt", the command line's last text) as the
// tools read it to learn how a pick or a selection ended: the user pressed
// Esc when it holds "*Cancel*", in any case.

#include <QString>

namespace cad { class Document; }

namespace suite {

inline const QString CancelMarker = QStringLiteral("*Cancel*");

// The last prompt as text. Raises as the host does.
QString lastPrompt(const cad::Document& document);

// True when the last prompt says the user cancelled; a prompt that cannot be
// read says nothing of the kind.
bool promptCancelled(const cad::Document& document);

}  // namespace suite
