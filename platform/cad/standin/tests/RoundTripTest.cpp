#include "EveryKind.h"
#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/DrawingWriter.h"

using namespace standin;
using namespace standin::test;

class RoundTrip : public StandinTest {
protected:
    // Every kind of object with every property off its default.
    static void fill(Document& d)
    {
        d.linetypes()->load(QStringLiteral("CENTER"), QStringLiteral("acad.lin"));
        const auto layer = d.layers()->add(QStringLiteral("Annotation"));
        layer->setColor(2);
        layer->setLinetype(QStringLiteral("CENTER"));
        layer->setLayerOn(false);
        d.layers()->add(QStringLiteral("Frozen"))->setFreeze(true);
        d.textStyles()->add(QStringLiteral("Notes"));
        d.dimStyles()->add(QStringLiteral("Arch"));
        d.setVariable(QStringLiteral("Orthomode"), 1);
        d.setVariable(QStringLiteral("measurement"), 1);
        d.setVariable(QStringLiteral("dimscale"), 96.5);

        const auto space = d.modelSpace();
        const auto mtext = space->addMText(pt(1, 2, 3), 12.5, QStringLiteral("line one\\Pline two"));
        mtext->setHeight(0.3);
        mtext->setAttachmentPoint(5);
        mtext->setStyleName(QStringLiteral("Notes"));
        const auto leader = space->addLeader({pt(0, 0), pt(2, 2), pt(4, 2)}, nullptr, 3);
        leader->setArrowheadSize(0.375);
        leader->setScaleFactor(48);
        leader->setStyleName(QStringLiteral("Arch"));
        const auto dimension = space->addDimAligned(pt(0, 0), pt(10, 0), pt(5, 1));
        dimension->setPrimaryUnitsPrecision(0);
        dimension->setUnitsFormat(5);
        dimension->setTextSuffix(QStringLiteral("%%c"));
        dimension->setTextOverride(QStringLiteral("<> MAX"));
        dimension->setScaleFactor(2);
        dimension->setArrowheadSize(0.09);
        dimension->setLayer(QStringLiteral("annotation"));
        const auto text = space->addText(QStringLiteral("é ünïcode"), pt(-1, -2), 0.1875);
        text->setAlignment(12);
        text->setTextAlignmentPoint(pt(4, 4));

        const auto block = d.blocks()->add(pt(1, 1), QStringLiteral("Tag"));
        block->addAttribute(0.1, QStringLiteral("Value?"), pt(1, 1), QStringLiteral("VALUE"), QStringLiteral("x"));
        const auto reference = space->insertBlock(pt(3, 3), QStringLiteral("Tag"), -1, 2, 1, 0.5);
        reference->getAttributes()[0]->setTextString(QStringLiteral("tab\tin\nvalue"));

        d.paperSpace()->addPViewport(pt(4, 4), 6, 4)->setCustomScale(1.0 / 96);
        const auto layout = d.activeLayout();
        layout->setConfigName(QStringLiteral("Document Writer.pc3"));
        layout->setCanonicalMediaName(QStringLiteral("Tabloid_(11.00_x_17.00_Inches)"));
        layout->setPlotRotation(3);
        layout->setStandardScale(16);
        layout->setCenterPlot(true);
        layout->setStyleSheet(QStringLiteral("Grayscale.ctb"));
        layout->setPlotWithPlotStyles(false);
        layout->setWindowToPlot({1, 2}, {3, 4});
        layout->setPlotType(cad::plotType::Window);
    }
};

TEST_F(RoundTrip, ReadingAndWritingAgainGivesTheSameFile)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\all.dwg"), fill);
    const QByteArray first = fs.readAll(QStringLiteral("C:\\Jobs\\all.dwg"));
    const auto document = host->openDocument(QStringLiteral("C:\\Jobs\\all.dwg"));
    EXPECT_EQ(DrawingWriter::write(*document->drawing()), first);
}

TEST_F(RoundTrip, PropertiesSurviveTheFile)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\all.dwg"), fill);
    const std::shared_ptr<cad::Document> d = host->openDocument(QStringLiteral("C:\\Jobs\\all.dwg"));

    const auto layer = d->layers()->item(QStringLiteral("Annotation"));
    EXPECT_EQ(layer->color(), 2);
    EXPECT_FALSE(layer->layerOn());
    EXPECT_TRUE(d->layers()->item(QStringLiteral("Frozen"))->freeze());
    EXPECT_EQ(d->getVariable(QStringLiteral("ORTHOMODE")).toInt(), 1);
    EXPECT_EQ(d->getVariable(QStringLiteral("MEASUREMENT")).toInt(), 1);
    EXPECT_DOUBLE_EQ(d->getVariable(QStringLiteral("DIMSCALE")).toDouble(), 96.5);

    const auto items = d->modelSpace()->items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0]->insertionPoint(), pt(1, 2, 3));
    EXPECT_EQ(items[0]->attachmentPoint(), 5);
    EXPECT_DOUBLE_EQ(items[0]->height(), 0.3);
    EXPECT_EQ(items[0]->styleName(), QStringLiteral("Notes"));
    EXPECT_DOUBLE_EQ(items[1]->scaleFactor(), 48);
    EXPECT_DOUBLE_EQ(items[1]->arrowheadSize(), 0.375);
    EXPECT_EQ(items[2]->unitsFormat(), 5);
    EXPECT_EQ(items[2]->primaryUnitsPrecision(), 0);
    EXPECT_EQ(items[2]->textSuffix(), QStringLiteral("%%c"));
    EXPECT_EQ(items[2]->textOverride(), QStringLiteral("<> MAX"));
    EXPECT_EQ(items[2]->layer(), QStringLiteral("Annotation"));
    EXPECT_EQ(items[3]->textString(), QStringLiteral("é ünïcode"));
    EXPECT_EQ(items[3]->textAlignmentPoint(), pt(4, 4));
    EXPECT_EQ(items[4]->getAttributes()[0]->textString(), QStringLiteral("tab\tin\nvalue"));

    EXPECT_EQ(d->activeSpace(), cad::space::Model);
    const auto layout = d->activeLayout();
    EXPECT_EQ(layout->name(), QStringLiteral("Model"));
    EXPECT_EQ(layout->configName(), QStringLiteral("Document Writer.pc3"));
    EXPECT_EQ(layout->canonicalMediaName(), QStringLiteral("Tabloid_(11.00_x_17.00_Inches)"));
    EXPECT_EQ(layout->plotRotation(), 3);
    EXPECT_EQ(layout->plotType(), cad::plotType::Window);
    EXPECT_TRUE(layout->centerPlot());
    EXPECT_FALSE(layout->plotWithPlotStyles());
    EXPECT_EQ(layout->styleSheet(), QStringLiteral("Grayscale.ctb"));
    EXPECT_EQ(layout->getWindowToPlot().second, (cad::Point2{3, 4}));

    d->setActiveSpace(cad::space::Paper);
    EXPECT_DOUBLE_EQ(d->activePViewport()->customScale(), 1.0 / 96);
}

TEST_F(RoundTrip, XrefsAreSavedWithTheirDefinitionAndPath)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\Site.dwg"), [](Document& d) {
        d.layers()->add(QStringLiteral("Trees"));
        d.setActiveLayer(d.layers()->item(QStringLiteral("Trees")));
        d.modelSpace()->addLine(pt(0, 0), pt(1, 1));
    });
    writeDrawing(QStringLiteral("C:\\Jobs\\Plan.dwg"), [](Document& d) {
        d.modelSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\Site.dwg"), QStringLiteral("Site"), pt(0, 0),
                                                1, 1, 1, 0, true);
    });
    fs.deleteFile(QStringLiteral("C:\\Jobs\\Site.dwg"));

    const std::shared_ptr<cad::Document> d = host->openDocument(QStringLiteral("C:\\Jobs\\Plan.dwg"));
    const auto definition = d->blocks()->item(QStringLiteral("Site"));
    EXPECT_TRUE(definition->isXRef());
    EXPECT_EQ(definition->item(0)->layer(), QStringLiteral("Site|Trees"));
    EXPECT_EQ(d->modelSpace()->item(0)->path(), QStringLiteral("C:\\Jobs\\Site.dwg"));
    definition->bind(true);
    EXPECT_EQ(definition->item(0)->layer(), QStringLiteral("Site$0$Trees"));
}

TEST_F(RoundTrip, ModifiedFlagFollowsChangesAndSaves)
{
    const auto document = host->addDocument();
    EXPECT_FALSE(document->drawing()->isModified());
    document->layers()->count();
    document->getVariable(QStringLiteral("dimscale"));
    EXPECT_FALSE(document->drawing()->isModified());
    document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    EXPECT_TRUE(document->drawing()->isModified());
    document->saveAs(QStringLiteral("C:\\Jobs\\m.dwg"));
    EXPECT_FALSE(document->drawing()->isModified());
}

class EveryKindRoundTrip : public StandinTest {
protected:
    void SetUp() override
    {
        writeDrawing(QStringLiteral("C:\\Jobs\\Site.dwg"),
                     [](Document& d) { d.modelSpace()->addLine(pt(0, 0), pt(1, 1)); });
    }
};

TEST_F(EveryKindRoundTrip, EveryKindReadsBackToTheSameFile)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\geometry.dwg"), fillGeometry);
    writeDrawing(QStringLiteral("C:\\Jobs\\structure.dwg"), fillStructure);
    for (const char* name : {"C:\\Jobs\\geometry.dwg", "C:\\Jobs\\structure.dwg"}) {
        const QByteArray first = fs.readAll(QString::fromLatin1(name));
        const auto document = host->openDocument(QString::fromLatin1(name));
        EXPECT_EQ(DrawingWriter::write(*document->drawing()), first) << name;
    }
}

TEST_F(EveryKindRoundTrip, NewKindsKeepTheirGeometryAndProperties)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\geometry.dwg"), fillGeometry);
    const std::shared_ptr<cad::Document> d = host->openDocument(QStringLiteral("C:\\Jobs\\geometry.dwg"));
    const auto items = d->modelSpace()->items();
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items[1]->center(), pt(5, 5, 1));
    EXPECT_DOUBLE_EQ(items[1]->radius(), 2.5);
    EXPECT_DOUBLE_EQ(items[2]->startAngle(), std::numbers::pi / 4);
    EXPECT_DOUBLE_EQ(items[2]->endAngle(), 1.5 * std::numbers::pi);
    EXPECT_EQ(items[3]->coordinates(), (std::vector<double>{0, 0, 4, 0, 4, 3, 0, 3}));
    EXPECT_TRUE(items[3]->closed());
    EXPECT_DOUBLE_EQ(items[4]->rotation(), std::numbers::pi / 6);
    EXPECT_DOUBLE_EQ(items[5]->rotation(), 1.5);
    EXPECT_EQ(items[7]->patternName(), QStringLiteral("ANSI31"));
    EXPECT_EQ(items[7]->entityName(), QStringLiteral("AcDbHatch"));
    EXPECT_EQ(items[10]->primaryUnitsPrecision(), 2);
    EXPECT_EQ(items[10]->styleName(), QStringLiteral("Arch"));
    EXPECT_DOUBLE_EQ(items[10]->measurement(), 4);
    EXPECT_EQ(items[11]->textSuffix(), QStringLiteral(" TYP"));
    EXPECT_DOUBLE_EQ(items[11]->scaleFactor(), 48);
    EXPECT_DOUBLE_EQ(items[12]->arrowheadSize(), 0.25);
    EXPECT_DOUBLE_EQ(items[12]->measurement(), std::numbers::pi / 2);
    EXPECT_EQ(items[13]->textPosition(), pt(4, 7));
    EXPECT_EQ(items[13]->unitsFormat(), 5);
}

TEST_F(EveryKindRoundTrip, FieldsAddedLaterAreMissingFromOlderFilesAndTakeTheirDefaults)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\new.dwg"), [](Document& d) {
        d.modelSpace()->addText(QStringLiteral("A"), pt(1, 1), 1)->setRotation(0.5);
        d.paperSpace()->addPViewport(pt(3, 3), 2, 2);
    });
    QByteArray bytes = fs.readAll(QStringLiteral("C:\\Jobs\\new.dwg"));
    // The first stand-in wrote no text rotation and no viewport view centre.
    bytes.replace("\t0\t0.5\n", "\t0\n");
    bytes.replace("\t1\t0\t3\t3\t0\n", "\t1\t0\n");
    fs.writeAll(QStringLiteral("C:\\Jobs\\old.dwg"), bytes);
    const auto d = host->openDocument(QStringLiteral("C:\\Jobs\\old.dwg"));
    EXPECT_DOUBLE_EQ(d->modelSpace()->item(0)->rotation(), 0.0);
    const auto viewport = std::dynamic_pointer_cast<Viewport>(d->paperSpace()->item(1));
    ASSERT_NE(viewport, nullptr);
    EXPECT_EQ(viewport->viewCenter(), pt(3, 3));
    EXPECT_NE(DrawingWriter::write(*d->drawing()), bytes);
}
