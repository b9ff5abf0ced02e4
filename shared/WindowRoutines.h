#pragma once
// The suite's small window routines that wrap dialogs several tools share: the
// open-file dialog for picking a program file and the folder browser sequence.
// Translucency and topmost are the forms layer's setWindowAlpha and setTopMost.

#include <QString>

namespace env { struct Environment; }

namespace suite {

// What the open-file dialog routine gives back when nothing was chosen.
inline const QString kCanceled = QStringLiteral("Canceled...");

// Asks for a program file (" (*.exe)"), starting in the program's own folder.
// Returns its full path, or "Canceled..." when dismissed.
QString openFileDialog(env::Environment& env, const QString& title);

// The folder browser: its title line is "C:\" followed by the caller's text.
// Returns the chosen folder, or "" when cancelled.
QString browseForFolder(env::Environment& env, const QString& callerText = {});

}  // namespace suite
