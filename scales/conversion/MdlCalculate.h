#pragma once
// Runs a conversion from the calculator's window: reads the number, the units
// and the rounding count from the form and writes the result into TxtInto. A
// pair without a factor gets a message; bad input gets the error report, and
// the result box then keeps its text.

namespace conversion {

class FrmMain;

namespace MdlCalculate {

void calculate(FrmMain& form);

}  // namespace MdlCalculate

}  // namespace conversion
