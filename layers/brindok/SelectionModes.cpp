#include "layers/brindok/SelectionModes.h"

#include "platform/runtime/Error.h"

#include <array>

namespace brindok {

namespace {

struct Mode {
    QString caption;
    QStringList classes;  // empty: every object
};

const QString Text = QStringLiteral("AcDbText");
const QString MText = QStringLiteral("AcDbMText");

const std::array<Mode, SelectionModes::Last + 1>& modes()
{
    static const std::array<Mode, SelectionModes::Last + 1> table = {{
        {QStringLiteral("Select"), {}},
        {QStringLiteral("Select All Text"), {Text, MText}},
        // The angular class is either name, by the host's release: the one
        // of two lines or the one of three points.
        {QStringLiteral("Select All Dimensions"),
         {"AcDbAlignedDimension", "AcDbRotatedDimension", "AcDbDiametricDimension", "AcDbLineAngularDimension",
          "AcDb3PointAngularDimension", "AcDbRadialDimension", "AcDbOrdinateDimension"}},
        {QStringLiteral("Select All Text & Leader"), {Text, MText, QStringLiteral("AcDbLeader")}},
        {QStringLiteral("Select All Blocks"), {QStringLiteral("AcDbBlockReference")}},
    }};
    return table;
}

const Mode& mode(int index)
{
    if (index < SelectionModes::First || index > SelectionModes::Last)
        runtime::raise(runtime::err::SubscriptOutOfRange);
    return modes()[size_t(index)];
}

}  // namespace

QString SelectionModes::caption(int index) { return mode(index).caption; }

bool SelectionModes::moves(int index, const QString& entityName)
{
    const Mode& chosen = mode(index);
    return chosen.classes.isEmpty() || chosen.classes.contains(entityName);
}

}  // namespace brindok
