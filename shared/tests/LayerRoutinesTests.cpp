#include "HostFixture.h"

#include "platform/cad/CadErrors.h"
#include "shared/AcadConnection.h"
#include "shared/LayerRoutines.h"

using namespace suite;
using suite::test::HostFixture;

namespace {

// Sodrin's copy: an existing layer is brought to the file's colour and
// linetype, and "continuous" is never loaded.
const CreateLayerVariant FromFile{.leavesExisting = false, .skipsContinuous = true};

class LayerRoutinesTest : public HostFixture {
protected:
    LayerRoutinesTest()
    {
        drawing = host->addDocument();
        conn.application = host;
        conn.document = drawing;
        drawing->layers()->add(QStringLiteral("Sect"));
        host->journal().clear();
    }

    std::shared_ptr<cad::Layer> layer(const QString& name) { return drawing->layers()->item(name); }
    QString active() { return drawing->activeLayer()->name(); }
    QStringList loads() { return host->journal().matching(QStringLiteral("Linetypes.Load")); }

    std::shared_ptr<cad::Document> drawing;
    AcadConnection conn;
};

}  // namespace

TEST_F(LayerRoutinesTest, NamesAreFoundWithoutRegardToCase)
{
    EXPECT_TRUE(layerExist(conn, QStringLiteral("SECT")));
    EXPECT_TRUE(layerExist(conn, QStringLiteral("sect")));
    EXPECT_FALSE(layerExist(conn, QStringLiteral("Sect2")));
    EXPECT_TRUE(linetypeExist(conn, QStringLiteral("Continuous")));
    EXPECT_TRUE(linetypeExist(conn, QStringLiteral("CONTINUOUS")));
    EXPECT_FALSE(linetypeExist(conn, QStringLiteral("PHANTOM2")));
}

TEST_F(LayerRoutinesTest, TestsAnswerFalseWhenTheWalkFails)
{
    host->failures().failNext(QStringLiteral("Layers.Item"), cad::err::ExceptionOccurred);
    EXPECT_FALSE(layerExist(conn, QStringLiteral("Sect")));
    EXPECT_FALSE(linetypeExist(AcadConnection{}, QStringLiteral("Continuous")));
}

TEST_F(LayerRoutinesTest, AnExistingLayerIsLeftAsItIs)
{
    layer(QStringLiteral("Sect"))->setColor(5);
    EXPECT_FALSE(createLayer(conn, QStringLiteral("SECT"), QStringLiteral("PHANTOM2"), 1));
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_EQ(layer(QStringLiteral("Sect"))->color(), 5);
    EXPECT_TRUE(loads().isEmpty());
}

TEST_F(LayerRoutinesTest, AMissingLinetypeIsLoadedBeforeTheLayerIsMadeCurrent)
{
    EXPECT_TRUE(createLayer(conn, QStringLiteral("Cut"), QStringLiteral("PHANTOM2"), 3));
    EXPECT_EQ(loads(), QStringList{QStringLiteral("Linetypes.Load PHANTOM2 acad.lin")});
    EXPECT_EQ(active(), QStringLiteral("Cut"));
    EXPECT_EQ(layer(QStringLiteral("Cut"))->color(), 3);
    EXPECT_EQ(layer(QStringLiteral("Cut"))->linetype(), QStringLiteral("PHANTOM2"));

    // Present in every drawing, so never loaded.
    EXPECT_TRUE(createLayer(conn, QStringLiteral("Plain"), QStringLiteral("CONTINUOUS"), 7));
    EXPECT_EQ(loads().size(), 1);
}

TEST_F(LayerRoutinesTest, TheFileVariantBringsAnExistingLayerToTheStandard)
{
    layer(QStringLiteral("Sect"))->setLayerOn(false);
    EXPECT_TRUE(createLayer(conn, QStringLiteral("Sect"), QStringLiteral("Phantom"), 2, FromFile));
    EXPECT_EQ(active(), QStringLiteral("Sect"));
    EXPECT_EQ(layer(QStringLiteral("Sect"))->color(), 2);
    EXPECT_EQ(layer(QStringLiteral("Sect"))->linetype(), QStringLiteral("PHANTOM"));
    EXPECT_FALSE(layer(QStringLiteral("Sect"))->layerOn()) << "other properties stay";

    EXPECT_TRUE(createLayer(conn, QStringLiteral("G-OBJ1"), QStringLiteral("continuous"), 1, FromFile));
    EXPECT_EQ(loads(), QStringList{QStringLiteral("Linetypes.Load Phantom acad.lin")});
}

TEST_F(LayerRoutinesTest, AFailingLayerIsNeverLeftHalfMade)
{
    for (const CreateLayerVariant& variant : {CreateLayerVariant{}, FromFile}) {
        for (int colour : {0, 256, -1, 1000}) {
            EXPECT_FALSE(createLayer(conn, QStringLiteral("Bad"), QStringLiteral("HIDDEN"), colour, variant));
            EXPECT_FALSE(layerExist(conn, QStringLiteral("Bad"))) << colour;
        }
        // A linetype the catalogue lacks stops the routine before the layer.
        EXPECT_FALSE(createLayer(conn, QStringLiteral("Bad"), QStringLiteral("NOSUCH"), 3, variant));
        EXPECT_FALSE(layerExist(conn, QStringLiteral("Bad")));
        // A name the host refuses.
        EXPECT_FALSE(createLayer(conn, QStringLiteral("a<b"), QStringLiteral("continuous"), 3, variant));
    }
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_FALSE(linetypeExist(conn, QStringLiteral("HIDDEN"))) << "nothing loaded for a bad colour";
    // An existing layer with a bad colour keeps its state and does not become current.
    EXPECT_FALSE(createLayer(conn, QStringLiteral("Sect"), QStringLiteral("continuous"), 300, FromFile));
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_EQ(layer(QStringLiteral("Sect"))->color(), 7);
}

TEST_F(LayerRoutinesTest, ARefusalHalfwayLeavesWhatWasDone)
{
    host->failures().failNext(QStringLiteral("Layer.Linetype"), cad::err::ExceptionOccurred);
    EXPECT_FALSE(createLayer(conn, QStringLiteral("Cut"), QStringLiteral("CENTER"), 4));
    EXPECT_EQ(active(), QStringLiteral("Cut"));
    EXPECT_EQ(layer(QStringLiteral("Cut"))->color(), 4);
    EXPECT_FALSE(createLayer(AcadConnection{}, QStringLiteral("X"), QStringLiteral("CENTER"), 4));
}
