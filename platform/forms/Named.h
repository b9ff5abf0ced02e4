#pragma once
// Gives a control its given name (the object name tests find it by) where it
// is made: `CmdOK = named(new QPushButton(tr("Ok")), "CmdOK");`.

#include <QLatin1String>

namespace forms {

template <typename T>
T* named(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace forms
