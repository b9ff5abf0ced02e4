#include "platform/forms/FileDialogRequest.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/QtInteraction.h"

#include <gtest/gtest.h>

using forms::QtInteraction;
using B = QMessageBox;
namespace mb = forms::msgbox;

TEST(QtInteractionMapping, StyleGivesButtonsDefaultAndEscape)
{
    struct Case {
        int style;
        QList<B::StandardButton> buttons;
        B::StandardButton escape;
    };
    const Case cases[] = {
        {0, {B::Ok}, B::Ok},
        {1, {B::Ok, B::Cancel}, B::Cancel},
        {50, {B::Abort, B::Retry, B::Ignore}, B::NoButton},
        {3, {B::Yes, B::No, B::Cancel}, B::Cancel},
        {36, {B::Yes, B::No}, B::NoButton},
        {21, {B::Retry, B::Cancel}, B::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(QtInteraction::buttonsForStyle(c.style), c.buttons);
        EXPECT_EQ(QtInteraction::defaultButtonForStyle(c.style), c.buttons.first());
        EXPECT_EQ(QtInteraction::escapeButtonForStyle(c.style), c.escape);
    }
}

TEST(QtInteractionMapping, StyleGivesIcon)
{
    EXPECT_EQ(QtInteraction::iconForStyle(0), B::NoIcon);
    EXPECT_EQ(QtInteraction::iconForStyle(16), B::Critical);
    EXPECT_EQ(QtInteraction::iconForStyle(21), B::Critical);
    EXPECT_EQ(QtInteraction::iconForStyle(36), B::Question);
    EXPECT_EQ(QtInteraction::iconForStyle(50), B::Warning);
    EXPECT_EQ(QtInteraction::iconForStyle(64), B::Information);
}

TEST(QtInteractionMapping, ButtonsGiveTheOriginalAnswers)
{
    EXPECT_EQ(QtInteraction::answerFor(B::Ok), mb::Ok);
    EXPECT_EQ(QtInteraction::answerFor(B::Cancel), mb::Cancel);
    EXPECT_EQ(QtInteraction::answerFor(B::Abort), mb::Abort);
    EXPECT_EQ(QtInteraction::answerFor(B::Retry), mb::Retry);
    EXPECT_EQ(QtInteraction::answerFor(B::Ignore), mb::Ignore);
    EXPECT_EQ(QtInteraction::answerFor(B::Yes), mb::Yes);
    EXPECT_EQ(QtInteraction::answerFor(B::No), mb::No);
}

TEST(QtInteractionMapping, LineBreaksShowAsNewLines)
{
    EXPECT_EQ(QtInteraction::displayText(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
    // The launcher's error box breaks its line with a lone CR.
    EXPECT_EQ(QtInteraction::displayText(QStringLiteral("Decription: x\r  Location: Mnu_Click")),
              QStringLiteral("Decription: x\n  Location: Mnu_Click"));
    EXPECT_EQ(QtInteraction::displayText(QStringLiteral("Location:\t\tForm_Load")),
              QStringLiteral("Location:\t\tForm_Load"));
}

TEST(QtInteractionMapping, FiltersCarryTheirPatterns)
{
    const QList<forms::FileFilter> filters = {
        {QStringLiteral(" (*.exe)"), QStringLiteral("*.exe")},
        {QStringLiteral("Executable Files"), QStringLiteral("*.exe")},
        {QStringLiteral("Drawings"), QStringLiteral("*.dwg;*.dxf")},
    };
    EXPECT_EQ(QtInteraction::nameFilters(filters),
              (QStringList{QStringLiteral(" (*.exe)"), QStringLiteral("Executable Files (*.exe)"),
                           QStringLiteral("Drawings (*.dwg *.dxf)")}));
}
