#pragma once
// Where the programs' own windows come up: in the middle of the screen, and
// in front when they are opened again while open.

class QWidget;

namespace forms {

class Desktop;

// Moves the window so that it stands in the middle of the desktop's screen,
// at the size its layout asks for.
void centreOnScreen(QWidget* window, Desktop& desktop);

// Shows a modeless window, or brings it to the front when it is already open.
void showInFront(QWidget* window);

}  // namespace forms
