#include "HostFixture.h"

#include "platform/cad/Application.h"
#include "platform/runtime/Error.h"
#include "shared/AcadConnection.h"
#include "shared/SingleDocumentMode.h"

using suite::AcadConnection;
using suite::SingleDocumentMode;
using suite::test::HostFixture;
namespace msgbox = forms::msgbox;

namespace {

const QString CloseThem = QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please");

class SingleDocumentModeTest : public HostFixture {
protected:
    SingleDocumentModeTest() : drawing(host->addDocument()) { conn = {host, drawing}; }

    int sdi() const { return drawing->getVariable(QStringLiteral("SDI")).toInt(); }

    std::shared_ptr<standin::Document> drawing;
    AcadConnection conn;
};

}  // namespace

TEST_F(SingleDocumentModeTest, SwitchesForTheWorkAndPutsTheReadValueBack)
{
    SingleDocumentMode mode(conn);
    mode.putBack();  // nothing read, nothing written
    EXPECT_EQ(host->journal().entries().filter(QStringLiteral("SetVariable")).size(), 0);

    EXPECT_EQ(mode.save(), 0);
    EXPECT_TRUE(mode.switchOn(ui, CloseThem));
    EXPECT_EQ(sdi(), 1);
    mode.putBack();
    EXPECT_EQ(sdi(), 0);

    // A host already in single-document mode is left as it is.
    drawing->setVariable(QStringLiteral("SDI"), 1);
    SingleDocumentMode again(conn);
    EXPECT_EQ(again.save(), 1);
    EXPECT_TRUE(again.switchOn(ui, CloseThem));
    again.putBack();
    EXPECT_EQ(sdi(), 1);
}

TEST_F(SingleDocumentModeTest, TwoOpenDrawingsAreOnlyAskedToBeClosed)
{
    host->addDocument();
    SingleDocumentMode mode(conn);
    mode.save();
    ui.expectMsgBox(msgbox::Ok, CloseThem);
    EXPECT_FALSE(mode.switchOn(ui, CloseThem));
    EXPECT_EQ(ui.last().style, msgbox::Information);
    EXPECT_EQ(sdi(), 0);
}

TEST_F(SingleDocumentModeTest, WithoutAHostTheWayOutGoesOn)
{
    SingleDocumentMode mode(conn);
    mode.save();
    mode.switchOn(ui, CloseThem);
    AcadConnection none;
    SingleDocumentMode unattached(none);
    EXPECT_THROW(unattached.save(), runtime::Error);
    EXPECT_FALSE(unattached.saved().has_value());
    unattached.putBackPassingOver();
    mode.putBackPassingOver();
    EXPECT_EQ(sdi(), 0);
}

TEST_F(SingleDocumentModeTest, ALaterSwitchGoesByTheModeAsItIsThen)
{
    drawing->setVariable(QStringLiteral("SDI"), 1);
    SingleDocumentMode mode(conn);
    mode.save();
    // The user went back to multiple documents in the host meanwhile.
    drawing->setVariable(QStringLiteral("SDI"), 0);
    EXPECT_EQ(mode.current(), 0);
    EXPECT_EQ(mode.saved(), std::optional<int16_t>(1));
    EXPECT_TRUE(mode.switchOn(ui, CloseThem));  // by the saved value: nothing to do
    EXPECT_EQ(sdi(), 0);
    EXPECT_TRUE(mode.switchOn(ui, CloseThem, mode.current()));
    EXPECT_EQ(sdi(), 1);
    mode.putBack();
    EXPECT_EQ(sdi(), 1);
}
