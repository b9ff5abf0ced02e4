#include "platform/forms/ClickLabel.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void send(QWidget& widget, QEvent::Type type, Qt::MouseButton button, const QPoint& at)
{
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(ClickLabelTest, APressAndReleaseOfTheLeftButtonOverItIsOneClick)
{
    forms::ClickLabel label("Opt");
    label.resize(40, 20);
    int clicks = 0;
    QObject::connect(&label, &forms::ClickLabel::clicked, [&] { ++clicks; });

    send(label, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    send(label, QEvent::MouseButtonRelease, Qt::LeftButton, {6, 6});
    EXPECT_EQ(clicks, 1);

    // Released elsewhere, another button, or a release without a press.
    send(label, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    send(label, QEvent::MouseButtonRelease, Qt::LeftButton, {100, 5});
    send(label, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    send(label, QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
    send(label, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
    EXPECT_EQ(clicks, 1);
}
