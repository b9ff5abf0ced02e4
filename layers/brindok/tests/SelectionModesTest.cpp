#include "layers/brindok/SelectionModes.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <gtest/gtest.h>

using brindok::SelectionModes;

TEST(SelectionModes, EachModeTakesItsClassesExactly)
{
    const QStringList dimensions = {"AcDbAlignedDimension",   "AcDbRotatedDimension",       "AcDbDiametricDimension",
                                    "AcDbLineAngularDimension", "AcDb3PointAngularDimension", "AcDbRadialDimension",
                                    "AcDbOrdinateDimension"};
    for (const QString& dimension : dimensions) {
        EXPECT_TRUE(SelectionModes::moves(2, dimension)) << dimension.toStdString();
        EXPECT_FALSE(SelectionModes::moves(1, dimension));
    }
    EXPECT_FALSE(SelectionModes::moves(2, QStringLiteral("acdbaligneddimension")));
    EXPECT_FALSE(SelectionModes::moves(2, QStringLiteral("AcDbLeader")));
    EXPECT_TRUE(SelectionModes::moves(3, QStringLiteral("AcDbLeader")));
    EXPECT_FALSE(SelectionModes::moves(1, QStringLiteral("AcDbLeader")));
    EXPECT_TRUE(SelectionModes::moves(4, QStringLiteral("AcDbBlockReference")));
    EXPECT_FALSE(SelectionModes::moves(4, QStringLiteral("AcDbText")));
    EXPECT_TRUE(SelectionModes::moves(0, QStringLiteral("AcDbHatch")));
    EXPECT_EQ(testing_env::errorOf([] { SelectionModes::caption(5); }), runtime::err::SubscriptOutOfRange);
}
