#pragma once
// The launcher's one report of a failed start-up, menu command or settings
// step: "Decription: ", the error's description, a carriage return and the
// location literal, critical, with the error number as the caption.

#include <QString>

namespace forms { class Interaction; }
namespace runtime { class Error; }

namespace tarvo {

namespace location {
inline const QString FormLoad = QStringLiteral("  Location: Form_Load");
inline const QString MnuClick = QStringLiteral("  Location: Mnu_Click");
inline const QString CmdFavoritesClick = QStringLiteral("  Location: CmdFavorites_Click");
inline const QString CmdSaveSettingsClick = QStringLiteral("  Location: CmdSaveSettings_Click");
}  // namespace location

class LauncherError {
public:
    static QString text(const QString& description, const QString& location);
    static void show(forms::Interaction& ui, const runtime::Error& error, const QString& location);
    // The same box for a failure of the launcher's own making: `number` as the
    // caption and `description` in place of an error's.
    static void show(forms::Interaction& ui, int number, const QString& description, const QString& location);
};

}  // namespace tarvo
