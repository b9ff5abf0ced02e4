#pragma once
// The shell's special folders the programs ask for, numbered as the shell
// numbers them.

namespace shell {

enum class KnownFolder : int {
    Desktop = 0,
    Programs = 2,  // the programs group inside the start menu
    Recent = 8,
    StartMenu = 11,
};

}  // namespace shell
