#include "platform/forms/SystemDesktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>

namespace forms {

QPoint SystemDesktop::pointerPosition() { return QCursor::pos(); }

// A run without any screen (a console run) has nothing to place windows on:
// an empty size says so.
QSize SystemDesktop::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

bool SystemDesktop::hasNotificationArea() { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace forms
