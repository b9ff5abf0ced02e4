#pragma once
// Fills the calculator's unit lists: every From unit, and the Into units of the
// From unit that is selected.

namespace conversion {

class FrmMain;

namespace MdlAddListBox {

// Adds the From units to LstFrom (the list sorts them).
void FillFromList(FrmMain& form);

// Empties LstInto and adds the Into units of the selected From unit; a From
// text that is no unit leaves it empty.
void FillIntoList(FrmMain& form);

}  // namespace MdlAddListBox

}  // namespace conversion
