#pragma once
// What the calculator's unit lists hold: every From unit, and the Into units
// of the From unit the user chose. The window puts these entries in its lists.

#include <QStringList>

namespace conversion::MdlAddListBox {

// The From units, in the order they are added (the list sorts them).
QStringList FillFromList();

// The Into units of the From list's text, alphabetical; none for a text that
// is no From unit.
QStringList FillIntoList(const QString& fromText);

}  // namespace conversion::MdlAddListBox
