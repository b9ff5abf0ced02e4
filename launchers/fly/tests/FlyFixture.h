#pragma once
// The palette over the test environment: a screen of 1280 × 1024 pixels
// whose pointer the test moves, the timer fired by hand, a recording shell
// for every start, and the error reports scripted.

#include "launchers/fly/FrmFly.h"
#include "launchers/fly/Session.h"
#include "platform/forms/ClickLabel.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace fly::test {

using Kind = shell::ShellCall::Kind;

class FlyTest : public ::testing::Test {
protected:
    static constexpr int ScreenWidth = 1280;

    void start() { t.dispatcher().run([&] { form.show(); }); }

    // One tick of the slide rule with the pointer at (x, y).
    void tick(int x, int y)
    {
        t.desktop().setPointerPosition({x, y});
        testing_env::control<forms::Timer>(form, QStringLiteral("Timer1")).fire();
    }
    int left() const { return form.pos().x(); }
    bool shown() const { return left() == ScreenWidth - 40; }
    bool hidden() const { return left() == ScreenWidth; }

    QToolButton& pic(int index) { return testing_env::control<QToolButton>(form, QStringLiteral("Pic"), index); }

    // A press and release of the left button on a label.
    void clickLabel(const QString& name)
    {
        auto& label = testing_env::control<forms::ClickLabel>(form, name);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(2, 2), label.mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&label, &event);
        }
    }

    void store(int button, const QString& path) { t.settings().save("Fly", "Settings", Session::key(button), path); }
    QString stored(int button) { return t.settings().get("Fly", "Settings", Session::key(button), "<none>"); }

    static QImage image(const QIcon& icon) { return icon.pixmap(32).toImage(); }

    testing_env::TestEnvironment t{QStringLiteral("Fly")};
    Session session{t.env()};
    FrmFly form{session};
};

}  // namespace fly::test
