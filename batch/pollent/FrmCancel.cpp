#include "batch/pollent/FrmCancel.h"

#include "batch/pollent/LogLineDelegate.h"
#include "batch/pollent/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/TopMost.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/PassOver.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

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
    // Rows of one size: the list then lays itself out from one row instead of
    // measuring every line again, so a line costs the same however long the
    // log. The size is the last row's, which carries the widest line's width.
    LstLog->setUniformItemSizes(true);
    LstLog->setItemDelegate(new LogLineDelegate(LstLog));
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
    auto* item = new QListWidgetItem(line, LstLog);
    // Each line is measured once, as it comes, by its text's advance; the
    // list's own measure of the first line gives the row's height and what
    // the row adds to its text. The widest line so far stays reachable by
    // the horizontal scroll bar.
    const int advance = LstLog->fontMetrics().horizontalAdvance(line);
    if (rowHeight_ == 0) {
        const QSize natural = LstLog->sizeHintForIndex(LstLog->model()->index(LstLog->row(item), 0));
        rowHeight_ = natural.height();
        rowMargins_ = std::max(0, natural.width() - advance);
    }
    widest_ = std::max(widest_, advance + rowMargins_);
    item->setSizeHint(QSize(widest_, rowHeight_));
}

void FrmCancel::drawingDone()
{
    // A run finishes drawings faster than anyone reads: the log moves on (a
    // scroll lays the list out and paints it and its scroll bars) only once a
    // picture's time has passed since it last did.
    const qint64 now = session_.env.clock->nowMs();
    const bool show = now - lastShown_ >= FrameMs;
    LstLog->setUpdatesEnabled(show);
    if (!show)
        return;
    lastShown_ = now;
    LstLog->scrollToBottom();
}

void FrmCancel::showWholeLog()
{
    LstLog->setUpdatesEnabled(true);
    LstLog->scrollToBottom();
    lastShown_ = std::numeric_limits<qint64>::min() / 2;
}

QStringList FrmCancel::lines() const
{
    QStringList all;
    for (int i = 0; i < LstLog->count(); ++i)
        all.append(LstLog->item(i)->text());
    return all;
}

void FrmCancel::showRunWindow()
{
    showWholeLog();
    mainWindow_.hide();
    show();
}

void FrmCancel::hideRunWindow()
{
    showWholeLog();
    hide();
}

void FrmCancel::showMainWindow()
{
    showWholeLog();
    mainWindow_.show();
}

void FrmCancel::showFinishedLog()
{
    showWholeLog();
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
    widest_ = 0;
    showWholeLog();
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
