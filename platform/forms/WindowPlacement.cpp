#include "platform/forms/WindowPlacement.h"

#include "platform/forms/Desktop.h"

#include <QRect>
#include <QWidget>

namespace forms {

void centreOnScreen(QWidget* window, Desktop& desktop)
{
    if (!window)
        return;
    const QSize size = window->layout() ? window->sizeHint() : window->size();
    QRect placed(QPoint(), size);
    placed.moveCenter(QRect(QPoint(), desktop.screenSize()).center());
    window->move(placed.topLeft());
}

void showInFront(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace forms
