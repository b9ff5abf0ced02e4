#pragma once
// How a test finds a form's control: by the control's given name, which the
// form sets as the widget's object name ("CmdExit", "Option1(2)" for an
// element of a control array, "MnuExit" for a menu item's action). A control
// that is not there fails the test at once instead of crashing it.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

namespace testing_env {

template <typename T>
T& control(const QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found) {
        ADD_FAILURE() << "no control named " << name.toStdString() << " of the wanted type";
        throw std::runtime_error("control not found: " + name.toStdString());
    }
    return *found;
}

// An element of a control array: "Name(index)".
template <typename T>
T& control(const QObject& form, const QString& name, int index)
{
    return control<T>(form, name + u'(' + QString::number(index) + u')');
}

}  // namespace testing_env
