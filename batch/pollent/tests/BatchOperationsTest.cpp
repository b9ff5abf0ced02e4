// The seven per-drawing operations on drawings of the example project, each
// with the log line it writes (or does not write).
#include "PollentFixture.h"

#include "batch/pollent/Batch.h"
#include "batch/pollent/Session.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "shared/ReportError.h"

namespace pollent::test {
namespace {

class BatchOperationsTest : public PollentTest {
protected:
    BatchOperationsTest()
    {
        setSdi(1);
        session.connection.application = host;
        session.connection.document = host->active();
    }

    // Works on the drawing as a run does after opening it.
    cad::Document& open(const QString& file)
    {
        session.connection.document = session.connection.doc().open(inProject(file));
        return session.connection.doc();
    }

    // The line of a failed operation on a drawing of the project.
    static QString failed(const QString& what, const QString& file, const QString& reason)
    {
        return QStringLiteral("Error...          ") + what + QStringLiteral(" Failed = ") + inProject(file)
               + QStringLiteral("    ") + reason;
    }

    QStringList referencesIn(const std::shared_ptr<cad::Block>& space, const QString& name) const
    {
        QStringList handles;
        for (const auto& entity : space->items()) {
            if (entity->entityType() == cad::entityType::BlockReference && entity->name() == name)
                handles.append(entity->name() + u'@' + QString::number(entity->insertionPoint().x));
        }
        return handles;
    }

    suite::ReportError report{t.env(), suite::ReportErrorVariant{false, &session.connection, {}}};
    QStringList lines;
    Batch batch{session, report, [this](const QString& line) { lines.append(line); }};
    OptionSet& o = session.options;
    AttributeSettings& a = session.attributes;
};

TEST_F(BatchOperationsTest, DetachXrefMatchesTheNameExactlyAndLogsWhatTheHostDid)
{
    cad::Document& drawing = open(QStringLiteral("A104.dwg"));
    o.DeleteName = QStringLiteral("site");
    batch.DeleteXB();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(blockNames(drawing).contains(QStringLiteral("SITE (xref)")));

    o.DeleteName = QStringLiteral("SITE");
    batch.DeleteXB();
    EXPECT_EQ(lines, QStringList{QStringLiteral("Detach Xref    SITE    Successful...")});
    EXPECT_FALSE(blockNames(drawing).contains(QStringLiteral("SITE (xref)")));

    // A refused detach raises no report; its line says it failed, where and why.
    open(QStringLiteral("A104.dwg"));
    lines.clear();
    host->failures().failNext(QStringLiteral("Block.Detach"), cad::err::ExceptionOccurred, QStringLiteral("locked"));
    batch.DeleteXB();
    EXPECT_EQ(lines, QStringList{failed(QStringLiteral("Detach Xref SITE"), QStringLiteral("A104.dwg"),
                                        QStringLiteral("locked"))});
    EXPECT_TRUE(blockNames(session.connection.doc()).contains(QStringLiteral("SITE (xref)")));
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(BatchOperationsTest, ARefusedBlockDeleteIsLoggedAsAFailure)
{
    cad::Document& drawing = open(QStringLiteral("A102.dwg"));
    drawing.paperSpace()->insertBlock(cad::Point{50, 0, 0}, QStringLiteral("DRAFT"), 1, 1, 1, 0);
    o.DeleteName = QStringLiteral("DRAFT");
    o.UsePaperSpace = true;
    host->failures().failNext(QStringLiteral("Entity.Delete"), cad::err::InvalidInput);
    batch.DeleteBlock();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], failed(QStringLiteral("Detach Block DRAFT"), QStringLiteral("A102.dwg"),
                               QStringLiteral("Invalid input")));
    EXPECT_EQ(referencesIn(drawing.paperSpace(), QStringLiteral("DRAFT")).size(), 2);
}

TEST_F(BatchOperationsTest, AnIgnoredFailureIsLoggedAsAnErrorAndNotAsASuccess)
{
    cad::Document& drawing = open(QStringLiteral("A101.dwg"));
    o.UseModelSpace = true;
    o.InsertScale = QStringLiteral("1");
    o.InsertPath = inProject(QStringLiteral("Missing.dwg"));
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: InsertBlocks\r\n"));
    batch.InsertBlocks();
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: InsertXrefs\r\n"));
    batch.InsertXrefs();
    host->failures().failNext(QStringLiteral("Document.PurgeAll"), cad::err::InvalidInput);
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: Purgeall\r\n"));
    batch.Purgeall();

    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Error...          Insert Block C:\\Pollent\\Missing.dwg Failed = "
                                                   "C:\\Pollent\\A101.dwg    Exception occurred.")))
        << lines[0].toStdString();
    // The host's reason keeps the path whole, on the one line.
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" C:\\Pollent\\Missing.dwg"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Error...          Insert Xref C:\\Pollent\\Missing.dwg Failed = ")));
    EXPECT_EQ(lines[2], failed(QStringLiteral("Purge All"), QStringLiteral("A101.dwg"), QStringLiteral("Invalid input")));
    EXPECT_TRUE(referencesIn(drawing.modelSpace(), QStringLiteral("Missing")).isEmpty());
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains(QStringLiteral("Successful"))) << line.toStdString();
}

TEST_F(BatchOperationsTest, BindCountsWhatWasBoundAndLogsEachXrefThatWasNot)
{
    cad::Document& drawing = open(QStringLiteral("A104.dwg"));
    drawing.modelSpace()->attachExternalReference(inProject(QStringLiteral("TITLEBLK.dwg")), QStringLiteral("TB"),
                                                  cad::Point{}, 1, 1, 1, 0, false);
    // The first bind fails: the user ignores it, the other xref is bound.
    host->failures().failNext(QStringLiteral("Block.Bind"), cad::err::ExceptionOccurred, QStringLiteral("in use"));
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: Bindalldrawings\r\n"));
    batch.Bindalldrawings();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Error...          Bind Xref ")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("A104.dwg    in use")));
    EXPECT_EQ(lines[1], QStringLiteral("Bind All Drawings =               Successful..."));
    EXPECT_EQ(blockNames(drawing).filter(QStringLiteral("(xref)")).size(), 1);

    // Nothing bound at all: no success, and not "No Xref To Bind" either. The
    // user was asked once in this batch; later failures are only logged.
    open(QStringLiteral("A104.dwg"));
    lines.clear();
    host->failures().failNext(QStringLiteral("Block.Bind"), cad::err::ExceptionOccurred, QStringLiteral("in use"));
    batch.Bindalldrawings();
    EXPECT_EQ(lines, QStringList{failed(QStringLiteral("Bind Xref SITE"), QStringLiteral("A104.dwg"),
                                        QStringLiteral("in use"))});
    EXPECT_TRUE(blockNames(session.connection.doc()).contains(QStringLiteral("SITE (xref)")));
}

TEST_F(BatchOperationsTest, DeleteBlockRemovesOnlyTheFirstReferenceModelSpaceBeforePaperSpace)
{
    cad::Document& drawing = open(QStringLiteral("A102.dwg"));
    drawing.paperSpace()->insertBlock(cad::Point{50, 0, 0}, QStringLiteral("DRAFT"), 1, 1, 1, 0);
    drawing.modelSpace()->insertBlock(cad::Point{7, 0, 0}, QStringLiteral("DRAFT"), 1, 1, 1, 0);
    o.DeleteName = QStringLiteral("DRAFT");

    batch.DeleteBlock();  // neither space ticked
    EXPECT_TRUE(lines.isEmpty());

    o.UseModelSpace = true;
    o.UsePaperSpace = true;
    batch.DeleteBlock();
    EXPECT_TRUE(referencesIn(drawing.modelSpace(), QStringLiteral("DRAFT")).isEmpty());
    EXPECT_EQ(referencesIn(drawing.paperSpace(), QStringLiteral("DRAFT")).size(), 2);

    batch.DeleteBlock();  // model space has none left: the first in paper space goes
    EXPECT_EQ(referencesIn(drawing.paperSpace(), QStringLiteral("DRAFT")), QStringList{QStringLiteral("DRAFT@50")});
    EXPECT_EQ(lines, QStringList(2, QStringLiteral("Detach Block    DRAFT    Successful...")));

    o.DeleteName = QStringLiteral("draft");
    batch.DeleteBlock();
    EXPECT_EQ(lines.size(), 2);
}

TEST_F(BatchOperationsTest, InsertBlockPlacesTheDrawingAtThePointAndScaleInTheChosenSpace)
{
    cad::Document& drawing = open(QStringLiteral("A101.dwg"));
    o.InsertPath = inProject(QStringLiteral("SITE.dwg"));
    o.InsertScale = QStringLiteral("2");
    o.InsertX = 10;
    o.InsertY = -20;
    o.InsertZ = 3;

    batch.InsertBlocks();  // no space: nothing, no line
    EXPECT_TRUE(lines.isEmpty());

    o.UsePaperSpace = true;
    batch.InsertBlocks();
    EXPECT_EQ(referencesIn(drawing.paperSpace(), QStringLiteral("SITE")), QStringList{QStringLiteral("SITE@10")});
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Block.InsertBlock C:\\Pollent\\SITE.dwg 10,-20,3")));
    EXPECT_EQ(lines, QStringList{QStringLiteral("Insert Block   C:\\Pollent\\SITE.dwg    Successful...")});
}

TEST_F(BatchOperationsTest, AFailingInsertIsReportedUnderItsOwnName)
{
    open(QStringLiteral("A101.dwg"));
    o.UseModelSpace = true;
    o.InsertScale = QStringLiteral("1");
    o.InsertPath = inProject(QStringLiteral("Missing.dwg"));
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: InsertBlocks\r\n"));
    batch.InsertBlocks();
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Error"));
    EXPECT_EQ(t.ui().last().style, msgbox::AbortRetryIgnore + msgbox::Exclamation);
}

TEST_F(BatchOperationsTest, InsertXrefAttachesAnOverlayUnderTheFilesBaseNameWithTheFullPath)
{
    cad::Document& drawing = open(QStringLiteral("A101.dwg"));
    o.InsertPath = inProject(QStringLiteral("SITE.dwg"));
    o.InsertScale = QStringLiteral("1");
    o.UseModelSpace = true;
    batch.InsertXrefs();

    EXPECT_TRUE(host->journal().contains(
        QStringLiteral("Block.AttachExternalReference C:\\Pollent\\SITE.dwg SITE 0,0,0")));
    const auto block = std::dynamic_pointer_cast<standin::Block>(drawing.blocks()->item(QStringLiteral("SITE")));
    ASSERT_TRUE(block);
    EXPECT_TRUE(block->rawXref());
    EXPECT_TRUE(block->rawOverlay());
    const auto reference = drawing.modelSpace()->items().back();
    EXPECT_EQ(reference->path(), inProject(QStringLiteral("SITE.dwg")));
    EXPECT_EQ(lines, QStringList{QStringLiteral("Insert Xref   C:\\Pollent\\SITE.dwg    Successful...")});
}

TEST_F(BatchOperationsTest, AttributeUpdateSetsMatchingTagsOfPaperSpaceReferencesOnly)
{
    cad::Document& drawing = open(QStringLiteral("A101.dwg"));
    drawing.modelSpace()->insertBlock(cad::Point{}, QStringLiteral("TITLEBLK"), 1, 1, 1, 0);
    a.BlockName = QStringLiteral("TITLEBLK");
    a.AttTag[0] = QStringLiteral("REV");
    a.AttString[0] = QStringLiteral("B");
    a.AttTag[3] = QStringLiteral("REV");  // the higher pair wins
    a.AttString[3] = QStringLiteral("C");
    a.AttTag[1] = QStringLiteral("DATE");
    a.AttString[1] = QStringLiteral("2024-04-02");
    a.AttTag[2] = QStringLiteral("title");  // letter case counts
    a.AttString[2] = QStringLiteral("changed");

    batch.BlockAttributeP();
    EXPECT_EQ(attributes(drawing, QStringLiteral("TITLEBLK")),
              (QStringList{"TITLE=GROUND FLOOR PLAN", "DWGNO=A101", "DATE=2024-04-02", "REV=C"}));
    const auto modelReference = drawing.modelSpace()->items().back();
    EXPECT_EQ(modelReference->getAttributes().back()->textString(), QStringLiteral("-"));
    EXPECT_TRUE(lines.isEmpty());

    a.BlockName = QStringLiteral("titleblk");
    a.AttString[3] = QStringLiteral("D");
    batch.BlockAttributeP();
    EXPECT_TRUE(attributes(drawing, QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=C")));
}

TEST_F(BatchOperationsTest, BindAllMakesXrefsPartOfTheDrawingWithoutPrefixes)
{
    cad::Document& plain = open(QStringLiteral("A101.dwg"));
    Q_UNUSED(plain);
    batch.Bindalldrawings();
    EXPECT_EQ(lines, QStringList{QStringLiteral("No Xref To Bind")});

    cad::Document& drawing = open(QStringLiteral("A104.dwg"));
    batch.Bindalldrawings();
    EXPECT_EQ(lines.last(), QStringLiteral("Bind All Drawings =               Successful..."));
    EXPECT_TRUE(blockNames(drawing).contains(QStringLiteral("SITE")));
    EXPECT_NO_THROW(drawing.layers()->item(QStringLiteral("SITE-BOUNDARY")));
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Block.Bind SITE False")));
}

TEST_F(BatchOperationsTest, PurgeRunsTwiceOneSecondApartOnTheMonotonicClock)
{
    cad::Document& drawing = open(QStringLiteral("A101.dwg"));
    host->journal().clear();
    const qint64 start = t.clock().nowMs();
    batch.Purgeall();

    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.PurgeAll")).size(), 2);
    EXPECT_EQ(t.clock().nowMs() - start, 1000);
    EXPECT_EQ(t.clock().doEventsCalls(), 0);
    EXPECT_FALSE(blockNames(drawing).contains(QStringLiteral("OLD-NORTH")));
    EXPECT_EQ(lines, QStringList{QStringLiteral("Purge All =              Successful...")});
}

}  // namespace
}  // namespace pollent::test
