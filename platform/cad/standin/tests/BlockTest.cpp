#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Purger.h"

using namespace standin;
using namespace standin::test;

class Blocks : public StandinTest {
protected:
    std::shared_ptr<cad::Document> document = host->addDocument();
};

TEST_F(Blocks, InsertedBlockGetsAttributesFromItsDefinitions)
{
    const auto title = document->blocks()->add(pt(0, 0), QStringLiteral("Title"));
    title->addLine(pt(0, 0), pt(10, 0));
    title->addAttribute(0.25, QStringLiteral("Job?"), pt(1, 1), QStringLiteral("JOB"), QStringLiteral("0000"));
    title->addAttribute(0.25, QStringLiteral("Date?"), pt(1, 2), QStringLiteral("DATE"), QString());

    const auto reference = document->paperSpace()->insertBlock(pt(100, 50), QStringLiteral("title"), 2, 2, 2, 0);
    EXPECT_EQ(reference->entityType(), cad::entityType::BlockReference);
    EXPECT_EQ(reference->name(), QStringLiteral("Title"));
    const auto attributes = reference->getAttributes();
    ASSERT_EQ(attributes.size(), 2u);
    EXPECT_EQ(attributes[0]->tagString(), QStringLiteral("JOB"));
    EXPECT_EQ(attributes[0]->textString(), QStringLiteral("0000"));
    EXPECT_EQ(attributes[1]->tagString(), QStringLiteral("DATE"));
    EXPECT_EQ(attributes[0]->insertionPoint(), pt(102, 52));
    EXPECT_DOUBLE_EQ(attributes[0]->height(), 0.5);

    attributes[1]->setTextString(QStringLiteral("2024-05-01"));
    EXPECT_EQ(reference->getAttributes()[1]->textString(), QStringLiteral("2024-05-01"));
    EXPECT_EQ(errorOf([&] { attributes[0]->remove(); }), cad::err::InvalidInput);
    reference->setInsertionPoint(pt(0, 0));
    EXPECT_EQ(attributes[0]->insertionPoint(), pt(2, 2));

    EXPECT_EQ(errorOf([&] { document->modelSpace()->insertBlock(pt(0, 0), QStringLiteral("Nope"), 1, 1, 1, 0); }),
              cad::err::KeyNotFound);
    EXPECT_EQ(errorOf([&] { document->modelSpace()->insertBlock(pt(0, 0), QStringLiteral("Title"), 0, 1, 1, 0); }),
              cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { title->insertBlock(pt(0, 0), QStringLiteral("Title"), 1, 1, 1, 0); }),
              cad::err::InvalidInput);
}

TEST_F(Blocks, DrawingFileInsertedByPathBecomesABlockNamedAfterIt)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\Door.dwg"), [](Document& d) {
        d.layers()->add(QStringLiteral("Doors"));
        d.setActiveLayer(d.layers()->item(QStringLiteral("Doors")));
        d.modelSpace()->addLine(pt(0, 0), pt(0, 3));
        d.modelSpace()->addAttribute(0.1, QStringLiteral("No?"), pt(0, 0), QStringLiteral("NO"), QStringLiteral("D1"));
    });
    const auto reference =
        document->modelSpace()->insertBlock(pt(1, 1), QStringLiteral("C:\\Jobs\\Door.dwg"), 1, 1, 1, 0);
    EXPECT_EQ(reference->name(), QStringLiteral("Door"));
    EXPECT_EQ(reference->getAttributes().at(0)->textString(), QStringLiteral("D1"));
    EXPECT_NO_THROW(document->layers()->item(QStringLiteral("Doors")));
    EXPECT_EQ(document->blocks()->item(QStringLiteral("Door"))->item(0)->layer(), QStringLiteral("Doors"));

    // A second insert uses the block the drawing already has.
    document->modelSpace()->insertBlock(pt(5, 1), QStringLiteral("C:\\Jobs\\Door.dwg"), 1, 1, 1, 0);
    EXPECT_EQ(document->blocks()->count(), 3);
    EXPECT_EQ(errorOf([&] {
                  document->modelSpace()->insertBlock(pt(0, 0), QStringLiteral("C:\\Jobs\\Window.dwg"), 1, 1, 1, 0);
              }),
              cad::err::ExceptionOccurred);
}

TEST_F(Blocks, PurgeRemovesOneLevelOfUnreferencedObjectsPerCall)
{
    // Outer holds a reference to Inner; nothing refers to Outer. Layer
    // "Hidden" is used only inside Inner, and its linetype only by it.
    document->linetypes()->load(QStringLiteral("HIDDEN"), QStringLiteral("acad.lin"));
    const auto hidden = document->layers()->add(QStringLiteral("Hidden"));
    hidden->setLinetype(QStringLiteral("HIDDEN"));
    document->layers()->add(QStringLiteral("Spare"));
    document->layers()->add(QStringLiteral("Current"));
    document->setActiveLayer(document->layers()->item(QStringLiteral("Current")));
    document->textStyles()->add(QStringLiteral("Unused"));
    const auto inner = document->blocks()->add(pt(0, 0), QStringLiteral("Inner"));
    inner->addLine(pt(0, 0), pt(1, 0))->setLayer(QStringLiteral("Hidden"));
    const auto outer = document->blocks()->add(pt(0, 0), QStringLiteral("Outer"));
    outer->insertBlock(pt(0, 0), QStringLiteral("Inner"), 1, 1, 1, 0);
    document->blocks()->add(pt(0, 0), QStringLiteral("Used"));
    document->modelSpace()->insertBlock(pt(0, 0), QStringLiteral("Used"), 1, 1, 1, 0);

    const auto layerNames = [&] {
        QStringList names;
        for (const auto& layer : document->layers()->items())
            names.append(layer->name());
        return names;
    };
    const auto blockNames = [&] {
        QStringList names;
        for (const auto& block : document->blocks()->items())
            names.append(block->name());
        return names;
    };

    document->purgeAll();
    EXPECT_EQ(blockNames(), (QStringList{"*Model_Space", "*Paper_Space", "Inner", "Used"}));
    EXPECT_EQ(layerNames(), (QStringList{"0", "Hidden", "Current"}));
    EXPECT_EQ(document->textStyles()->count(), 1);

    document->purgeAll();
    EXPECT_EQ(blockNames(), (QStringList{"*Model_Space", "*Paper_Space", "Used"}));
    EXPECT_EQ(layerNames(), (QStringList{"0", "Hidden", "Current"}));

    document->purgeAll();
    EXPECT_EQ(layerNames(), (QStringList{"0", "Current"}));
    EXPECT_EQ(document->linetypes()->count(), 2);

    document->purgeAll();
    EXPECT_EQ(document->linetypes()->count(), 1);
    EXPECT_EQ(Purger::purgeOnce(*std::static_pointer_cast<Document>(document)->drawing()), 0);
}

TEST_F(Blocks, LinetypesLoadFromTheCatalogueOnTheSupportPath)
{
    const auto linetypes = document->linetypes();
    EXPECT_EQ(linetypes->count(), 1);
    linetypes->load(QStringLiteral("phantom2"), QStringLiteral("acad.lin"));
    EXPECT_EQ(linetypes->item(QStringLiteral("PHANTOM2"))->name(), QStringLiteral("PHANTOM2"));
    EXPECT_TRUE(linetypes->item(1)->description().startsWith(QStringLiteral("Phantom")));

    EXPECT_EQ(errorOf([&] { linetypes->load(QStringLiteral("PHANTOM2"), QStringLiteral("acad.lin")); }),
              cad::err::DuplicateRecordName);
    EXPECT_EQ(errorOf([&] { linetypes->load(QStringLiteral("WIGGLY"), QStringLiteral("acad.lin")); }),
              cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { linetypes->load(QStringLiteral("DOT"), QStringLiteral("other.lin")); }),
              cad::err::ExceptionOccurred);
    linetypes->load(QStringLiteral("DOT"), QStringLiteral("C:\\Support\\ACAD.LIN"));
    EXPECT_EQ(linetypes->count(), 3);
}
