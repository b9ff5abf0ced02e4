#pragma once
// The numbers a message box speaks in: its style value (a button set plus an
// icon) and the answer it returns. Programs build styles by adding a button set
// and an icon, as in Critical + OkOnly.

namespace forms::msgbox {

// Button sets.
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;

// Icons.
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

// Answers.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The parts of a style value. Bits above the icon (default-button choice,
// modality) are not part of either.
constexpr int buttonsOf(int style) { return style & 0x0F; }
constexpr int iconOf(int style) { return style & 0xF0; }

}  // namespace forms::msgbox
