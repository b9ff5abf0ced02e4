#include "SodrinFixture.h"

#include "layers/sodrin/LayerFile.h"

#include <QRandomGenerator>

using namespace sodrin;
using namespace sodrin::test;

namespace {

class LayerCreation : public SodrinTest {
protected:
    LayerCreation()
    {
        module = std::make_unique<ModuleLayer>(env);
        module->connection().application = host;
        module->connection().document = drawing;
    }

    // The lines as "Load All" reads them, each made in the drawing.
    bool loadAll(const QStringList& lines)
    {
        return LayerFile::createAll(lines, [this](const LayerDefinition& line) { module->CreateLayer(line); });
    }
};

}  // namespace

TEST_F(LayerCreation, EveryShippedFileLoadsWholeWithTheLastLineActive)
{
    for (const QString& name : ShippedFiles) {
        drawing = host->addDocument();
        module->connection().document = drawing;
        ASSERT_TRUE(loadAll(LayerFile::lines(shipped(name)))) << name.toStdString();
        const QStringList lines = LayerFile::lines(shipped(name));
        EXPECT_EQ(active(), LayerFile::name(lines.last()));
        for (const QString& line : lines) {
            const auto definition = LayerFile::definition(line);
            EXPECT_EQ(layer(definition->name)->color(), definition->colour) << line.toStdString();
            EXPECT_EQ(layer(definition->name)->linetype().toUpper(), definition->linetype.toUpper());
        }
    }
}

// Files of random and truncated lines made in a real drawing: whatever the
// lines, every layer is whole, with the colour and linetype of one line of its
// name.
TEST_F(LayerCreation, RandomLinesNeverLeaveAHalfMadeLayer)
{
    QRandomGenerator random(4102);
    const QStringList names = {"A", "a", "B-1", "C&D", "bad|name", "", " E"};
    const QStringList colours = {"1", "7", "255", "0", "256", "-3", "x", "2.5", "", "99999999999"};
    const QStringList linetypes = {"continuous", "HIDDEN", "Phantom", "center", "NOSUCH", ""};
    for (int round = 0; round < 200; ++round) {
        QStringList lines;
        for (int i = random.bounded(1, 8); i > 0; --i) {
            QString line = names[random.bounded(names.size())] + u',' + colours[random.bounded(colours.size())]
                + u',' + linetypes[random.bounded(linetypes.size())] + u',';
            if (random.bounded(5) == 0)
                line.truncate(random.bounded(line.size()));
            lines.append(line);
        }
        drawing = host->addDocument();
        module->connection().document = drawing;
        loadAll(lines);
        QStringList made;
        for (const auto& each : drawing->layers()->items()) {
            if (each->name() == QStringLiteral("0"))
                continue;
            made.append(each->name());
            bool fromALine = false;
            for (const QString& line : lines) {
                const auto definition = LayerFile::definition(line);
                fromALine = fromALine
                    || (definition && definition->name.compare(each->name(), Qt::CaseInsensitive) == 0
                        && definition->colour == each->color()
                        && definition->linetype.compare(each->linetype(), Qt::CaseInsensitive) == 0);
            }
            EXPECT_TRUE(fromALine) << each->name().toStdString() << " from " << lines.join(u'|').toStdString();
        }
        EXPECT_TRUE(active() == QStringLiteral("0") || made.contains(active()));
    }
}
