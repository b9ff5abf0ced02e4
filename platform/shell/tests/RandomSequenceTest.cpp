#include "platform/shell/RandomSequence.h"

#include <QSet>
#include <gtest/gtest.h>

using shell::RandomSequence;

TEST(RandomSequenceTest, ValuesLieInTheHalfOpenUnitIntervalAndAreExactSingles)
{
    RandomSequence sequence;
    for (int i = 0; i < 100000; ++i) {
        const double v = sequence.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ASSERT_EQ(double(float(v)), v);
    }
}

TEST(RandomSequenceTest, EveryStartGivesTheSameSequenceWhichKeepsMovingWithoutRepeats)
{
    RandomSequence first;
    RandomSequence second;
    // The first value of the fixed start, so a change of the generator shows.
    EXPECT_FLOAT_EQ(float(first.next()), 0.7055475f);
    EXPECT_FLOAT_EQ(float(second.next()), 0.7055475f);
    QSet<double> seen;
    for (int i = 0; i < 10000; ++i) {
        const double v = first.next();
        ASSERT_EQ(second.next(), v);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 10000);
}
