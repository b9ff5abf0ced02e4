#pragma once
// The shell's special folders the programs ask for, by the shell's own folder
// numbers, so a routine that takes the number can map it here.

#include <optional>

namespace shell {

enum class KnownFolder : int {
    Desktop = 0,
    Programs = 2,  // the programs group inside the start menu
    Recent = 8,
    StartMenu = 11,
};

// Nothing for a number the shell stand-in does not keep.
inline std::optional<KnownFolder> knownFolderFromNumber(int number)
{
    switch (number) {
    case 0: return KnownFolder::Desktop;
    case 2: return KnownFolder::Programs;
    case 8: return KnownFolder::Recent;
    case 11: return KnownFolder::StartMenu;
    default: return std::nullopt;
    }
}

}  // namespace shell
