#pragma once
// The program's icon in the notification area. Mouse events on it reach the
// handler as the original's callback message numbers (TrayMessage), entered
// through the dispatcher. Where no system tray exists (offscreen, a desktop
// without one) the icon keeps its state all the same, so tests can add, change,
// remove and deliver messages.

#include <QElapsedTimer>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

namespace forms {

class Dispatcher;

namespace tray {
inline constexpr int MouseMove = 512;
inline constexpr int LeftDown = 513;
inline constexpr int LeftUp = 514;
inline constexpr int LeftDoubleClick = 515;
inline constexpr int RightDown = 516;
inline constexpr int RightUp = 517;
inline constexpr int RightDoubleClick = 518;
inline constexpr int MiddleDown = 519;
inline constexpr int MiddleUp = 520;
inline constexpr int MiddleDoubleClick = 521;
}  // namespace tray

class TrayIcon : public QObject {
public:
    explicit TrayIcon(Dispatcher& dispatcher, QObject* parent = nullptr);
    ~TrayIcon() override;

    void setHandler(std::function<void(int message)> handler) { handler_ = std::move(handler); }

    // Adding an icon that is already there only updates it.
    void add(const QIcon& icon, const QString& tip);
    void modifyTip(const QString& tip);
    // Nothing happens when the icon is not there.
    void remove();

    bool isAdded() const { return added_; }
    QString tip() const { return tip_; }

    // One callback message, as a mouse event on the icon would bring it.
    void deliver(int message);

    // The messages a Qt activation stands for, in the order the original got
    // them. Qt reports no middle double click: a middle click that follows
    // another within the double-click time counts as one.
    static QList<int> messagesFor(QSystemTrayIcon::ActivationReason reason, bool middleDoubleClick);

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    Dispatcher& dispatcher_;
    std::unique_ptr<QSystemTrayIcon> systemIcon_;
    std::function<void(int)> handler_;
    QString tip_;
    bool added_ = false;
    QElapsedTimer lastMiddleClick_;
};

}  // namespace forms
