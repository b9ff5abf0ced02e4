#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"

using namespace standin;
using namespace standin::test;

namespace {

QStringList namesOf(const std::vector<std::shared_ptr<cad::Layer>>& layers)
{
    QStringList names;
    for (const auto& layer : layers)
        names.append(layer->name());
    return names;
}

QStringList blockNames(const cad::Blocks& blocks)
{
    QStringList names;
    for (const auto& block : blocks.items())
        names.append(block->name());
    return names;
}

}  // namespace

class Xrefs : public StandinTest {
protected:
    void SetUp() override
    {
        // The site plan: two layers, a linetype, a block, and its own layer
        // "Walls" that the host drawing also has.
        writeDrawing(QStringLiteral("C:\\Jobs\\Site.dwg"), [](Document& d) {
            d.linetypes()->load(QStringLiteral("DASHED"), QStringLiteral("acad.lin"));
            d.layers()->add(QStringLiteral("Walls"))->setColor(1);
            d.layers()->add(QStringLiteral("Trees"))->setLinetype(QStringLiteral("DASHED"));
            d.blocks()->add(pt(0, 0), QStringLiteral("Tree"))->addLine(pt(0, 0), pt(1, 1));
            d.setActiveLayer(d.layers()->item(QStringLiteral("Trees")));
            d.modelSpace()->insertBlock(pt(5, 5), QStringLiteral("Tree"), 1, 1, 1, 0);
            d.setActiveLayer(d.layers()->item(QStringLiteral("Walls")));
            d.modelSpace()->addLine(pt(0, 0), pt(10, 0));
        });
        document = host->addDocument();
        document->layers()->add(QStringLiteral("Walls"))->setColor(5);
    }

    std::shared_ptr<cad::Entity> attachSite()
    {
        return document->modelSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\Site.dwg"),
                                                              QStringLiteral("Site"), pt(100, 0), 1, 1, 1, 0, true);
    }

    std::shared_ptr<cad::Document> document;
};

TEST_F(Xrefs, AttachCreatesAnXrefDefinitionWithDependentNames)
{
    const auto reference = attachSite();
    EXPECT_EQ(reference->entityType(), cad::entityType::BlockReference);
    EXPECT_EQ(reference->entityName(), QStringLiteral("AcDbBlockReference"));
    EXPECT_EQ(reference->name(), QStringLiteral("Site"));
    EXPECT_EQ(reference->path(), QStringLiteral("C:\\Jobs\\Site.dwg"));
    reference->setPath(QStringLiteral("Site.dwg"));
    EXPECT_EQ(reference->path(), QStringLiteral("Site.dwg"));

    const auto definition = document->blocks()->item(QStringLiteral("site"));
    EXPECT_TRUE(definition->isXRef());
    EXPECT_EQ(definition->count(), 2);
    EXPECT_EQ(definition->item(0)->name(), QStringLiteral("Site|Tree"));
    EXPECT_EQ(definition->item(1)->layer(), QStringLiteral("Site|Walls"));
    EXPECT_EQ(namesOf(document->layers()->items()),
              (QStringList{"0", "Walls", "Site|Walls", "Site|Trees"}));
    EXPECT_EQ(document->layers()->item(QStringLiteral("Site|Trees"))->linetype(), QStringLiteral("Site|DASHED"));
    EXPECT_EQ(document->layers()->item(QStringLiteral("Walls"))->color(), 5);

    // The name of a block of the drawing's own cannot become an xref.
    document->blocks()->add(pt(0, 0), QStringLiteral("Border"));
    EXPECT_EQ(errorOf([&] {
                  document->modelSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\Site.dwg"),
                                                                 QStringLiteral("Border"), pt(0, 0), 1, 1, 1, 0, true);
              }),
              cad::err::DuplicateRecordName);
    EXPECT_EQ(errorOf([&] {
                  document->modelSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\None.dwg"),
                                                                 QStringLiteral("None"), pt(0, 0), 1, 1, 1, 0, true);
              }),
              cad::err::ExceptionOccurred);
}

TEST_F(Xrefs, BindWithPrefixKeepsTheXrefNameInEveryDependentName)
{
    attachSite();
    document->layers()->add(QStringLiteral("Site$0$Trees"));
    document->blocks()->item(QStringLiteral("Site"))->bind(true);

    const auto definition = document->blocks()->item(QStringLiteral("Site"));
    EXPECT_FALSE(definition->isXRef());
    EXPECT_EQ(definition->item(0)->name(), QStringLiteral("Site$0$Tree"));
    EXPECT_EQ(definition->item(1)->layer(), QStringLiteral("Site$0$Walls"));
    // "Site$0$Trees" was taken, so the next free number is used.
    EXPECT_NO_THROW(document->layers()->item(QStringLiteral("Site$1$Trees")));
    EXPECT_EQ(document->layers()->item(QStringLiteral("Site$1$Trees"))->linetype(), QStringLiteral("Site$0$DASHED"));
    EXPECT_TRUE(blockNames(*document->blocks()).contains(QStringLiteral("Site$0$Tree")));
    // The reference is now an ordinary block reference.
    EXPECT_EQ(errorOf([&] { document->modelSpace()->item(0)->path(); }), cad::err::MemberNotSupported);
}

TEST_F(Xrefs, BindWithoutPrefixMergesIntoTheDrawingsOwnNames)
{
    attachSite();
    document->blocks()->item(QStringLiteral("Site"))->bind(false);

    EXPECT_EQ(namesOf(document->layers()->items()), (QStringList{"0", "Walls", "Trees"}));
    // An existing name wins: the drawing's own "Walls" keeps its colour.
    EXPECT_EQ(document->layers()->item(QStringLiteral("Walls"))->color(), 5);
    const auto definition = document->blocks()->item(QStringLiteral("Site"));
    EXPECT_EQ(definition->item(1)->layer(), QStringLiteral("Walls"));
    EXPECT_EQ(definition->item(0)->name(), QStringLiteral("Tree"));
    EXPECT_EQ(document->layers()->item(QStringLiteral("Trees"))->linetype(), QStringLiteral("DASHED"));
}

TEST_F(Xrefs, DetachRemovesDefinitionReferencesAndDependentNames)
{
    attachSite();
    document->paperSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\Site.dwg"), QStringLiteral("Site"),
                                                    pt(0, 0), 1, 1, 1, 0, false);
    document->setActiveLayer(document->layers()->item(QStringLiteral("Site|Walls")));
    const auto held = document->modelSpace()->item(0);

    document->blocks()->item(QStringLiteral("Site"))->detach();

    EXPECT_EQ(errorOf([&] { document->blocks()->item(QStringLiteral("Site")); }), cad::err::KeyNotFound);
    EXPECT_FALSE(blockNames(*document->blocks()).contains(QStringLiteral("Site|Tree")));
    EXPECT_EQ(document->modelSpace()->count(), 0);
    EXPECT_EQ(document->paperSpace()->count(), 1);  // the overall viewport
    EXPECT_EQ(namesOf(document->layers()->items()), (QStringList{"0", "Walls"}));
    EXPECT_EQ(document->activeLayer()->name(), QStringLiteral("0"));
    EXPECT_EQ(errorOf([&] { held->name(); }), cad::err::ExceptionOccurred);
}

TEST_F(Xrefs, BindAndDetachAreForXrefsOnly)
{
    const auto block = document->blocks()->add(pt(0, 0), QStringLiteral("Plain"));
    EXPECT_EQ(errorOf([&] { block->bind(true); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { block->detach(); }), cad::err::InvalidInput);
}
