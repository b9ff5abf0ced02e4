// The scale of an inserted block: model and paper space, imperial and metric,
// halves to the even neighbour, and scales beyond 16 bits.
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"
#include "project/fentrow/InsertScale.h"

#include <gtest/gtest.h>

using fentrow::InsertScale;
using testing_env::errorOf;

namespace {
constexpr int Model = 1;
constexpr int Paper = 0;
constexpr int Imperial = 0;
constexpr int Metric = 1;
}  // namespace

TEST(InsertScale, ModelSpaceTakesTheDimensionScaleRoundedAndMetricTimesTwentyFivePointFour)
{
    EXPECT_EQ(InsertScale::scale(Model, 48, Imperial), 48);
    EXPECT_EQ(InsertScale::scale(Model, 48, Metric), 1219);
    EXPECT_EQ(InsertScale::scale(Model, 2.5, Imperial), 2);
    EXPECT_EQ(InsertScale::scale(Model, 2.5, Metric), 51);
    EXPECT_EQ(InsertScale::scale(Model, 3.5, Imperial), 4);
    EXPECT_EQ(InsertScale::scale(Model, 0.4, Imperial), 1);
    EXPECT_EQ(InsertScale::scale(Model, 0.4, Metric), 25);
    EXPECT_EQ(InsertScale::scale(Model, 0, Metric), 25);
}

TEST(InsertScale, PaperSpaceIsOneOrTwentyFiveWhateverTheDimensionScale)
{
    EXPECT_EQ(InsertScale::scale(Paper, 48, Imperial), 1);
    EXPECT_EQ(InsertScale::scale(Paper, 48, Metric), 25);
    EXPECT_EQ(InsertScale::scale(2, 48, Imperial), 1);
}

TEST(InsertScale, LargeMetricScalesNoLongerOverflow)
{
    // 25.4 x 1291 = 32791.4: past what 16 bits hold.
    EXPECT_EQ(InsertScale::scale(Model, 1291, Metric), 32791);
    EXPECT_EQ(InsertScale::scale(Model, 10000, Metric), 254000);
    EXPECT_EQ(errorOf([] { InsertScale::scale(Model, 1e12, Imperial); }), runtime::err::Overflow);
    EXPECT_EQ(errorOf([] { InsertScale::scale(Model, 1e9, Metric); }), runtime::err::Overflow);
}
