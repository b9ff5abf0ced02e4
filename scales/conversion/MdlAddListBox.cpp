#include "scales/conversion/MdlAddListBox.h"

#include "platform/env/Environment.h"
#include "scales/conversion/FrmMain.h"
#include "scales/conversion/UnitTable.h"
#include "shared/ShowAppError.h"

#include <QListWidget>

namespace conversion::MdlAddListBox {

namespace {
const QString kLocation = QStringLiteral("GetFromList");
}

void FillFromList(FrmMain& form)
{
    try {
        for (const QString& unit : UnitTable::fromUnits())
            form.LstFrom->addItem(unit);
    } catch (const runtime::Error& error) {
        suite::showAppError(*form.env().ui, kLocation, error);
    }
}

void FillIntoList(FrmMain& form)
{
    try {
        form.LstInto->clear();
        for (const QString& unit : UnitTable::intoUnits(FrmMain::listText(form.LstFrom)))
            form.LstInto->addItem(unit);
    } catch (const runtime::Error& error) {
        suite::showAppError(*form.env().ui, kLocation, error);
    }
}

}  // namespace conversion::MdlAddListBox
