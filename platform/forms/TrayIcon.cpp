#include "platform/forms/TrayIcon.h"

#include "platform/forms/Dispatcher.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>

namespace forms {

TrayIcon::TrayIcon(Dispatcher& dispatcher, QObject* parent) : QObject(parent), dispatcher_(dispatcher) {}

TrayIcon::~TrayIcon() = default;

void TrayIcon::add(const QIcon& icon, const QString& tip)
{
    tip_ = tip;
    added_ = true;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!systemIcon_) {
        systemIcon_ = std::make_unique<QSystemTrayIcon>();
        // Queued: a handler may pop up a menu and run its event loop, which
        // must not happen inside the tray widget's own mouse event, whose
        // processing goes on after the signal returns.
        connect(
            systemIcon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); }, Qt::QueuedConnection);
    }
    // An icon without an image would not show at all.
    QIcon shown = icon;
    if (shown.isNull())
        shown = QApplication::windowIcon();
    if (shown.isNull())
        shown = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    systemIcon_->setIcon(shown);
    systemIcon_->setToolTip(tip);
    systemIcon_->show();
}

void TrayIcon::modifyTip(const QString& tip)
{
    tip_ = tip;
    if (systemIcon_)
        systemIcon_->setToolTip(tip);
}

void TrayIcon::remove()
{
    added_ = false;
    if (systemIcon_)
        systemIcon_->hide();
}

void TrayIcon::deliver(int message)
{
    if (!handler_)
        return;
    const std::function<void(int)> handler = handler_;
    dispatcher_.run([&] { handler(message); });
}

QList<int> TrayIcon::messagesFor(QSystemTrayIcon::ActivationReason reason, bool middleDoubleClick)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return {tray::LeftDown, tray::LeftUp};
    case QSystemTrayIcon::DoubleClick: return {tray::LeftDoubleClick, tray::LeftUp};
    case QSystemTrayIcon::Context: return {tray::RightDown, tray::RightUp};
    case QSystemTrayIcon::MiddleClick:
        if (middleDoubleClick)
            return {tray::MiddleDoubleClick, tray::MiddleUp};
        return {tray::MiddleDown, tray::MiddleUp};
    default: return {};
    }
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    bool middleDoubleClick = false;
    if (reason == QSystemTrayIcon::MiddleClick) {
        middleDoubleClick =
            lastMiddleClick_.isValid() && lastMiddleClick_.elapsed() <= QApplication::doubleClickInterval();
        // A double click's second click does not start the next double click.
        if (middleDoubleClick)
            lastMiddleClick_.invalidate();
        else
            lastMiddleClick_.start();
    }
    const QPointer<TrayIcon> self(this);
    for (int message : messagesFor(reason, middleDoubleClick)) {
        // A handler may remove the icon or end the program.
        if (!self || !added_ || dispatcher_.ended())
            return;
        deliver(message);
    }
}

}  // namespace forms
