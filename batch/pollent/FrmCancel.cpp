#include "batch/pollent/FrmCancel.h"

#include "batch/pollent/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/TopMost.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pollent {

const QString FrmCancel::CancelCaption = QStringLiteral("Cancel...");
const QString FrmCancel::ExitCaption = QStringLiteral("Exit");

FrmCancel::FrmCancel(Session& session, QWidget& mainWindow)
    : forms::Form(*session.env.dispatcher),
      LstLog(new QListWidget(this)),
      cmdCancel(new QPushButton(CancelCaption, this)),
      session_(session),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("FrmCancel"));
    setCaption(QStringLiteral("Cancel Pollent..."));
    LstLog->setObjectName(QStringLiteral("LstLog"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layOut();
    connect(cmdCancel, &QPushButton::clicked, this, dispatcher().wrap(this, &FrmCancel::cmdCancel_Click));
}

void FrmCancel::layOut()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LstLog, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    cmdCancel->setMinimumWidth(100);
    setTwipsSize(9000, 4800);
}

void FrmCancel::addLine(const QString& line)
{
    LstLog->addItem(line);
    LstLog->scrollToBottom();
}

void FrmCancel::drawingDone() {}

QStringList FrmCancel::lines() const
{
    QStringList all;
    for (int i = 0; i < LstLog->count(); ++i)
        all.append(LstLog->item(i)->text());
    return all;
}

void FrmCancel::showRunWindow()
{
    mainWindow_.hide();
    show();
}

void FrmCancel::hideRunWindow() { hide(); }

void FrmCancel::showMainWindow() { mainWindow_.show(); }

void FrmCancel::showFinishedLog()
{
    show();
    cmdCancel->setText(ExitCaption);
}

void FrmCancel::Form_Load()
{
    // The log floats above the host's window while the run works; a window
    // that cannot float is still usable.
    runtime::passOver([this] { forms::setTopMost(this, forms::TopMostShowNoActivate); });
}

void FrmCancel::cmdCancel_Click()
{
    session_.CancelRequested = true;
    LstLog->clear();
    cmdCancel->setText(CancelCaption);
    mainWindow_.show();
    hide();
}

void FrmCancel::Form_Unload(bool&)
{
    // The host's mode goes back with the program's end.
    runtime::endProgram();
}

}  // namespace pollent
