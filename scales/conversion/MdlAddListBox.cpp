#include "scales/conversion/MdlAddListBox.h"

#include "scales/conversion/UnitTable.h"

namespace conversion::MdlAddListBox {

QStringList FillFromList() { return UnitTable::fromUnits(); }

QStringList FillIntoList(const QString& fromText) { return UnitTable::intoUnits(fromText); }

}  // namespace conversion::MdlAddListBox
