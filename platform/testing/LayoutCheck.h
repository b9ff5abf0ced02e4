#pragma once
// What a user would see wrong in a shown window, for tests that look at a
// form as it is laid out: a window narrower than its caption needs (the
// window manager cuts the caption off), a control whose caption or content
// is cut (smaller than it needs), a control reaching out of the widget that
// holds it, two controls of the same holder lying over each other. Controls are the widgets
// with a given name (their object name), so the parts Qt builds inside a
// control are not looked at.

#include <QStringList>

class QWidget;

namespace testing_env {

// One line per fault, naming the control; empty for a window that shows
// everything whole.
QStringList layoutFaults(const QWidget& window);

// The same for a shown window, which is also grabbed to /tmp/<name>.png for a
// person to look at.
QStringList layoutFaults(QWidget& window, const QString& name);

}  // namespace testing_env
