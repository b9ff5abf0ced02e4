#include "batch/drossel/FrmCancel.h"

#include "batch/drossel/MuduleAplot.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"

#include <QFont>
#include <QPushButton>

namespace drossel {

FrmCancel::FrmCancel(MuduleAplot& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module)
{
    setObjectName(QStringLiteral("FrmCancel"));
    setCaption(QStringLiteral("Cancel  Plotting..."));
    // The twips layout was drawn for an 8-point dialog font; larger text
    // would be cut off in the controls.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setTwipsSize(3270, 1005);
    cmdCancel = new QPushButton(QStringLiteral("Cancel..."), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    forms::placeTwips(cmdCancel, 600, 240, 2055, 495);
    connect(cmdCancel, &QPushButton::clicked, this, dispatcher().wrap(this, &FrmCancel::cmdCancel_Click));
}


void FrmCancel::Form_Load() { forms::setTopMost(this, forms::TopMostShowNoActivate); }

void FrmCancel::cmdCancel_Click()
{
    module_.CancelRequested = true;
    close();
}

void FrmCancel::Form_Unload(bool&)
{
    // Closing the window by its close box is the same request as its button:
    // nobody closes a cancel window wanting the batch to go on.
    module_.CancelRequested = true;
}

}  // namespace drossel
