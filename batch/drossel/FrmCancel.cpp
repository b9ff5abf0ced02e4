#include "batch/drossel/FrmCancel.h"

#include "batch/drossel/MuduleAplot.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/TopMost.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace drossel {

FrmCancel::FrmCancel(MuduleAplot& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module)
{
    setObjectName(QStringLiteral("FrmCancel"));
    setCaption(QStringLiteral("Cancel  Plotting..."));
    cmdCancel = new QPushButton(QStringLiteral("Cancel..."), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // A big target: the user reaches for it while the batch runs.
    cmdCancel->setMinimumSize(2 * cmdCancel->sizeHint().width(), qRound(1.5 * cmdCancel->sizeHint().height()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdCancel, 0, Qt::AlignCenter);
    layout->activate();
    resize(qMax(sizeHint().width(), forms::captionWidth(*this)), sizeHint().height());
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
