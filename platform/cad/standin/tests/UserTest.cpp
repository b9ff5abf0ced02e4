#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/PointText.h"

#include <stdexcept>

using namespace standin;
using namespace standin::test;

class Prompts : public StandinTest {
protected:
    QString lastPrompt() const { return document->getVariable(QStringLiteral("lastprompt")).toString(); }

    std::shared_ptr<cad::Document> document = host->addDocument();
};

TEST_F(Prompts, PointsComeFromTheScriptInOrder)
{
    user.point(1, 2).point(3, 4, 5);
    const auto utility = document->utility();
    EXPECT_EQ(utility->getPoint(std::nullopt, QStringLiteral("Pick First Point:")), pt(1, 2));
    EXPECT_EQ(utility->getPoint(pt(1, 2), QStringLiteral("Next Point:")), pt(3, 4, 5));
    EXPECT_EQ(user.prompts(), (QStringList{"Pick First Point:", "Next Point:"}));
    EXPECT_EQ(lastPrompt(), QStringLiteral("Next Point:"));
    EXPECT_EQ(user.remaining(), 0);
}

TEST_F(Prompts, EnterRaisesNoPointAndEscRaisesTheCancelError)
{
    user.enter().esc();
    const auto utility = document->utility();
    EXPECT_EQ(errorOf([&] { utility->getPoint(std::nullopt, QStringLiteral("Next Point")); }), cad::err::NoPointGiven);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Next Point"));
    EXPECT_EQ(errorOf([&] { utility->getPoint(std::nullopt, QStringLiteral("Pick First Point:")); }),
              cad::err::ExceptionOccurred);
    EXPECT_EQ(lastPrompt(), QStringLiteral("*Cancel*"));
}

TEST_F(Prompts, OrthoModeLevelsAPointGivenAgainstABase)
{
    document->setVariable(QStringLiteral("Orthomode"), 1);
    user.point(10, 1).point(1, 10).point(7, 7);
    const auto utility = document->utility();
    EXPECT_EQ(utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")), pt(10, 0));
    EXPECT_EQ(utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")), pt(0, 10));
    EXPECT_EQ(utility->getPoint(std::nullopt, QStringLiteral("Pick First Point:")), pt(7, 7));
}

TEST_F(Prompts, OrthoModeLeavesTypedCoordinatesAsTyped)
{
    document->setVariable(QStringLiteral("Orthomode"), 1);
    user.typedPoint(10, 1).point(10, 1);
    const auto utility = document->utility();
    EXPECT_EQ(utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")), pt(10, 1));
    EXPECT_EQ(utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")), pt(10, 0));
}

TEST_F(Prompts, SelectionFillsTheSetAndSetsTheLastPrompt)
{
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(0, 0), 1);
    user.selection({line}, QStringLiteral("Press Enter or right-click for the shortcut menu"))
        .selection({line, text})
        .cancelSelection();

    const auto sets = document->selectionSets();
    const auto set = sets->add(QStringLiteral("setpres"));
    EXPECT_EQ(errorOf([&] { sets->add(QStringLiteral("setpres")); }), cad::err::DuplicateRecordName);

    set->selectOnScreen();
    EXPECT_TRUE(lastPrompt().contains(QStringLiteral("shortcut menu")));
    set->selectOnScreen();
    EXPECT_EQ(lastPrompt(), QStringLiteral("Select objects:"));
    EXPECT_EQ(set->count(), 2);  // the line only once
    EXPECT_EQ(set->item(1), text);
    set->selectOnScreen();
    EXPECT_EQ(lastPrompt(), QStringLiteral("*Cancel*"));
    EXPECT_EQ(set->count(), 2);

    set->remove();
    EXPECT_EQ(sets->count(), 0);
    EXPECT_EQ(errorOf([&] { set->count(); }), cad::err::ExceptionOccurred);
    EXPECT_NO_THROW(sets->add(QStringLiteral("setpres")));
}

TEST_F(Prompts, SelectionSetNamesAreComparedWithTheirLetterCase)
{
    const auto sets = document->selectionSets();
    const auto upper = sets->add(QStringLiteral("SETPRES"));
    const auto lower = sets->add(QStringLiteral("setpres"));
    EXPECT_NE(upper, lower);
    EXPECT_EQ(sets->item(QStringLiteral("setpres")), lower);
    EXPECT_EQ(errorOf([&] { sets->item(QStringLiteral("SetPres")); }), cad::err::KeyNotFound);
}

TEST_F(Prompts, SelectionOffersTheObjectsOfTheSpaceWorkedIn)
{
    struct Recorder : User {
        std::vector<std::shared_ptr<cad::Entity>> offered;
        PointAnswer askPoint(const QString&, const std::optional<cad::Point>&) override { return PointAnswer::enter(); }
        SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override
        {
            offered = candidates;
            return {{}, SelectPrompt};
        }
    } recorder;
    host->setUser(&recorder);
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto set = document->selectionSets()->add(QStringLiteral("s"));
    set->selectOnScreen();
    ASSERT_EQ(recorder.offered.size(), 1u);
    EXPECT_EQ(recorder.offered[0], line);

    document->setActiveSpace(cad::space::Paper);
    set->selectOnScreen();
    ASSERT_EQ(recorder.offered.size(), 1u);
    EXPECT_EQ(recorder.offered[0]->entityName(), QStringLiteral("AcDbViewport"));
    host->setUser(&user);
}

TEST_F(Prompts, ExhaustedOrMismatchedScriptCallsTheFailureHookInsteadOfHanging)
{
    QStringList failures;
    user.setFailureHook([&](const QString& message) { failures.append(message); });
    user.selection({});
    EXPECT_EQ(errorOf([&] { document->utility()->getPoint(std::nullopt, QStringLiteral("Pick:")); }),
              cad::err::NoPointGiven);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("Pick:")));

    const auto set = document->selectionSets()->add(QStringLiteral("s"));
    set->selectOnScreen();
    set->selectOnScreen();
    EXPECT_EQ(failures.size(), 2);
    EXPECT_EQ(lastPrompt(), QStringLiteral("*Cancel*"));
}

TEST(ScriptedUserDefault, ExhaustedScriptThrowsLogicError)
{
    ScriptedUser user;
    EXPECT_THROW(user.askPoint(QStringLiteral("Pick:"), std::nullopt), std::logic_error);
}

TEST(PointTextParse, TwoOrThreeNumbersSeparatedByCommas)
{
    EXPECT_EQ(PointText::parse(QStringLiteral("1,2")), pt(1, 2));
    EXPECT_EQ(PointText::parse(QStringLiteral(" -1.5 , 2e1 , 3 ")), pt(-1.5, 20, 3));
    EXPECT_FALSE(PointText::parse(QStringLiteral("1")));
    EXPECT_FALSE(PointText::parse(QStringLiteral("1,2,3,4")));
    EXPECT_FALSE(PointText::parse(QStringLiteral("1,,2")));
    EXPECT_FALSE(PointText::parse(QStringLiteral("a,b")));
    EXPECT_FALSE(PointText::parse(QStringLiteral("1,inf")));
}
