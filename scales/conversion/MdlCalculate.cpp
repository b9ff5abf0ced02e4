#include "scales/conversion/MdlCalculate.h"

#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "scales/conversion/Calculation.h"
#include "scales/conversion/FrmMain.h"
#include "shared/ShowAppError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace conversion::MdlCalculate {

void calculate(FrmMain& form)
{
    env::Environment& env = form.env();
    try {
        const std::optional<QString> result =
            Calculation::calculate(form.TxtFrom->text(), FrmMain::listText(form.LstFrom),
                                   FrmMain::listText(form.LstInto), form.CmbRound->currentText());
        if (!result) {
            env.ui->msgBox(QStringLiteral("Calculation Not Found"), forms::msgbox::Critical + forms::msgbox::OkOnly);
            return;
        }
        form.TxtInto->setText(*result);
    } catch (const runtime::Error& error) {
        suite::showAppError(*env.ui, QStringLiteral("calculate"), error);
    }
}

}  // namespace conversion::MdlCalculate
