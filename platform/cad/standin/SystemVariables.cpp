#include "platform/cad/standin/SystemVariables.h"

#include "platform/cad/CadErrors.h"

#include <cmath>

namespace standin {

namespace {

SystemVariable integer(const char* name, VariableScope scope, int minimum, int maximum, int initial)
{
    return SystemVariable{QString::fromLatin1(name), QMetaType::Int, scope, false, double(minimum),
                          double(maximum), QVariant(initial)};
}

SystemVariable text(const char* name, VariableScope scope, bool readOnly)
{
    return SystemVariable{QString::fromLatin1(name), QMetaType::QString, scope, readOnly, 0, 0,
                          QVariant(QString())};
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

}  // namespace

const QList<SystemVariable>& SystemVariables::all()
{
    // Assumption: SDI 2 and 3 are states the host sets itself (a loaded
    // application that cannot work with several drawings); a user or tool can
    // only set 0 or 1.
    static const QList<SystemVariable> variables = {
        integer("SDI", VariableScope::Application, 0, 1, 0),
        integer("REMEMBERFOLDERS", VariableScope::Application, 0, 1, 1),
        text("LASTPROMPT", VariableScope::Application, true),
        integer("ORTHOMODE", VariableScope::Drawing, 0, 1, 0),
        integer("TILEMODE", VariableScope::Drawing, 0, 1, 1),
        integer("MEASUREMENT", VariableScope::Drawing, 0, 1, 0),
        SystemVariable{QStringLiteral("DIMSCALE"), QMetaType::Double, VariableScope::Drawing, false, 0.0,
                       1e100, QVariant(1.0)},
        text("CLAYER", VariableScope::Derived, false),
        text("DWGNAME", VariableScope::Derived, true),
        text("DWGPREFIX", VariableScope::Derived, true),
    };
    return variables;
}

const SystemVariable* SystemVariables::find(const QString& name)
{
    for (const SystemVariable& variable : all()) {
        if (variable.name.compare(name, Qt::CaseInsensitive) == 0)
            return &variable;
    }
    return nullptr;
}

const SystemVariable& SystemVariables::require(const QString& name)
{
    // Assumption: the host refuses a variable name it does not know with
    // "Invalid input" rather than answering an empty value.
    const SystemVariable* variable = find(name);
    if (!variable)
        cad::raise(cad::err::InvalidInput, QStringLiteral("unknown system variable %1").arg(name));
    return *variable;
}

QVariant SystemVariables::coerce(const SystemVariable& variable, const QVariant& value)
{
    // Assumption: the host wants a value of the variable's own kind (a number
    // for a numeric variable, a text for a text one) and does not parse texts
    // into numbers; integer variables take whole numbers only.
    if (variable.type == QMetaType::QString) {
        if (value.typeId() != QMetaType::QString)
            cad::raise(cad::err::InvalidInput, QStringLiteral("%1 takes a text").arg(variable.name));
        return value;
    }
    if (!isNumber(value))
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 takes a number").arg(variable.name));
    const double number = value.toDouble();
    if (!std::isfinite(number) || number < variable.minimum || number > variable.maximum)
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 is out of range for %2")
                                               .arg(value.toString(), variable.name));
    if (variable.type == QMetaType::Int) {
        if (number != std::floor(number))
            cad::raise(cad::err::InvalidInput,
                       QStringLiteral("%1 takes a whole number").arg(variable.name));
        return QVariant(static_cast<int>(number));
    }
    return QVariant(number);
}

}  // namespace standin
