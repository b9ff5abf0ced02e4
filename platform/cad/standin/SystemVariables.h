#pragma once
// The system variables the stand-in host knows: their names, types, where the
// value lives (application-wide, in the drawing, or derived from the drawing's
// state), whether users may set them and their ranges. Names are matched
// without regard to case.

#include <QList>
#include <QString>
#include <QVariant>

namespace standin {

enum class VariableScope {
    Application,  // one value for the whole host (kept in its profile)
    Drawing,      // saved with the drawing
    Derived,      // computed from the drawing's state (current layer, file name)
};

struct SystemVariable {
    QString name;  // canonical, upper case
    QMetaType::Type type = QMetaType::Int;
    VariableScope scope = VariableScope::Drawing;
    bool readOnly = false;
    double minimum = 0.0;
    double maximum = 0.0;
    QVariant initial;
};

class SystemVariables {
public:
    static const QList<SystemVariable>& all();
    // Null for a name the host does not know.
    static const SystemVariable* find(const QString& name);
    // The definition, or InvalidInput for an unknown name.
    static const SystemVariable& require(const QString& name);

    // The value as the variable's type. Raises InvalidInput for a value of
    // another kind or outside the variable's range.
    static QVariant coerce(const SystemVariable& variable, const QVariant& value);
};

}  // namespace standin
