#pragma once
// The shell's special folders the programs ask for, by the shell's own folder
// numbers, so a routine that takes the number can map it here.

#include <optional>

namespace shell {

enum class SpecialFolder : int {
    Desktop = 0,
    Programs = 2,  // the programs group inside the start menu
    Recent = 8,
    StartMenu = 11,
};

// Nothing for a number the shell stand-in does not keep.
inline std::optional<SpecialFolder> specialFolderFromNumber(int number)
{
    switch (number) {
    case 0: return SpecialFolder::Desktop;
    case 2: return SpecialFolder::Programs;
    case 8: return SpecialFolder::Recent;
    case 11: return SpecialFolder::StartMenu;
    default: return std::nullopt;
    }
}

}  // namespace shell
