// The caption that shows how far a run got.
#include "installer/unbalo/ProgressCaption.h"
#include "installer/unbalo/ProgressDisplay.h"

#include <QStringList>
#include <gtest/gtest.h>

using unbalo::ProgressCaption;

namespace {

class Captions : public unbalo::ProgressDisplay {
public:
    void showProgress(const QString& caption) override { shown.append(caption); }
    QStringList shown;
};

}  // namespace

TEST(ProgressCaptionTest, TwentySevenItemsCountUpInRoundedPercentsAndStopAtNinety)
{
    Captions display;
    for (int done = 1; done <= 27; ++done)
        ProgressCaption::show(display, done, 27);
    QStringList expected;
    for (const int pct : {4, 7, 11, 15, 19, 22, 26, 30, 33, 37, 41, 44, 48, 52, 56, 59, 63, 67, 70, 74, 78, 81,
                          85, 89})
        expected.append(QStringLiteral("Install...   %1% Complete").arg(pct));
    // 25 of 27 is 93 percent: from there the caption keeps its last text.
    EXPECT_EQ(display.shown, expected);
    EXPECT_EQ(ProgressCaption::Complete, "Install...  100% Complete");
}

TEST(ProgressCaptionTest, HalvesGoToTheEvenNeighbour)
{
    // 1 of 8 is 0.125: two decimals give 0.12, not 0.13.
    EXPECT_EQ(ProgressCaption::percent(1, 8), 12);
    EXPECT_EQ(ProgressCaption::percent(3, 8), 38);   // 0.375
    EXPECT_EQ(ProgressCaption::percent(5, 8), 62);   // 0.625
    EXPECT_EQ(ProgressCaption::percent(1, 1), 100);
    EXPECT_EQ(ProgressCaption::caption(1, 2), QStringLiteral("Install...   50% Complete"));
    EXPECT_EQ(ProgressCaption::caption(9, 10), std::nullopt);
    EXPECT_EQ(ProgressCaption::caption(1, 1), std::nullopt);
}
