#include "SodrinFixture.h"

#include "layers/sodrin/LayerFile.h"

using namespace sodrin;
using sodrin::test::shipped;
using sodrin::test::ShippedFiles;

namespace {

QStringList namesOf(const QList<LayerDefinition>& lines)
{
    QStringList names;
    for (const LayerDefinition& line : lines)
        names.append(line.name + u' ' + QString::number(line.colour) + u' ' + line.linetype);
    return names;
}

QList<LayerDefinition> all(const QStringList& lines, bool* wellFormed = nullptr)
{
    QList<LayerDefinition> handed;
    const bool ok = LayerFile::createAll(lines, [&](const LayerDefinition& line) { handed.append(line); });
    if (wellFormed)
        *wellFormed = ok;
    return handed;
}

QList<LayerDefinition> named(const QStringList& lines, const QString& name, bool* wellFormed = nullptr)
{
    QList<LayerDefinition> handed;
    const bool ok = LayerFile::createNamed(lines, name, [&](const LayerDefinition& line) { handed.append(line); });
    if (wellFormed)
        *wellFormed = ok;
    return handed;
}

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("L%1,%2,continuous,").arg(i).arg(i % 255 + 1));
    return lines;
}

}  // namespace

TEST(ShippedLayerFiles, AreKeptByteForByteAsTheStandardsGiveThem)
{
    const QByteArray architecture = shipped(QStringLiteral("Architecture.lay"));
    EXPECT_EQ(architecture.size(), 314);
    EXPECT_TRUE(architecture.endsWith("VIEWPORTS,7,continuous,\r\n"));
    for (const QString& name : ShippedFiles) {
        const QByteArray bytes = shipped(name);
        ASSERT_FALSE(bytes.isEmpty()) << name.toStdString();
        if (name != QStringLiteral("Architecture.lay")) {
            EXPECT_FALSE(bytes.endsWith('\n')) << name.toStdString() << " ends without a line end";
        }
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString() << " has CR LF throughout";
    }
    const QStringList general = LayerFile::lines(shipped(QStringLiteral("General.lay")));
    EXPECT_EQ(general.first(), QStringLiteral("G-OBJ1,1,continuous,"));
    EXPECT_EQ(general[6], QStringLiteral("G-PHAN,2,Phantom,"));
    EXPECT_EQ(general.last(), QStringLiteral("VIEWPORTS,7,continuous,"));
    EXPECT_EQ(LayerFile::lines(shipped(QStringLiteral("Structural.lay")))[8], QStringLiteral("S-PHAN,2,PHANTOM,"));
    EXPECT_EQ(LayerFile::lines(shipped(QStringLiteral("Mechanical.lay")))[10], QStringLiteral("M-SYMB,3,continuous,"));
    EXPECT_EQ(LayerFile::lines(shipped(QStringLiteral("Process.lay")))[2], QStringLiteral("M-EQPT-ID,1,continuous,"));
    const QStringList electrical = LayerFile::lines(shipped(QStringLiteral("Electrical.lay")));
    const QStringList wiring = LayerFile::lines(shipped(QStringLiteral("Wiring.lay")));
    EXPECT_EQ(electrical.last(), QStringLiteral("E-PHAN,2,Phantom,"));
    EXPECT_EQ(wiring.mid(0, 16), electrical.mid(0, 16));
    EXPECT_EQ(wiring.mid(16), (QStringList{"E-SCHD,1,continuous,", "E-SECT,3,continuous,", "S-SYMB,3,continuous,"}));
}

TEST(ShippedLayerFiles, LieBesideTheBuiltPrograms)
{
    for (const QString& name : ShippedFiles) {
        QFile copy(sodrin::test::ProgramDir + u'/' + name);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(copy.readAll(), shipped(name)) << name.toStdString();
    }
}

TEST(LayerFileReaders, FieldsAreTakenAsTheyStand)
{
    const auto line = LayerFile::definition(QStringLiteral(" A-OBJ1 , 3 ,continuous , and more,"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->name, QStringLiteral(" A-OBJ1 "));
    EXPECT_EQ(line->colour, 3);
    EXPECT_EQ(line->linetype, QStringLiteral("continuous "));
    EXPECT_EQ(LayerFile::definition(QStringLiteral("X,2.5,HIDDEN,"))->colour, 2) << "the runtime's rounding";
    EXPECT_EQ(LayerFile::definition(QStringLiteral(",7,,"))->name, QString());

    for (const char* bad : {"X,3,continuous", "X,3", "X", "", "X,abc,HIDDEN,", "X,,HIDDEN,", "X,99999999999,HIDDEN,"})
        EXPECT_FALSE(LayerFile::definition(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(LayerFile::name(QStringLiteral("X,3")), QStringLiteral("X"));
    EXPECT_FALSE(LayerFile::name(QStringLiteral("X")));
}

TEST(LayerFileReaders, TheMenuReadsTheFirstThirtySixLinesOnly)
{
    QStringList lines = numbered(40);
    lines[38] = QStringLiteral("no comma at all");
    const auto names = LayerFile::menuNames(lines);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->size(), LayerFile::MenuEntries);
    EXPECT_EQ(names->last(), QStringLiteral("L35"));

    // A line with only its first comma is enough for the menu.
    EXPECT_EQ(LayerFile::menuNames({QStringLiteral("G-OBJ1,1,continuous")}), QStringList{"G-OBJ1"});
    EXPECT_EQ(LayerFile::menuNames({}), QStringList{});
    lines[5].clear();
    EXPECT_FALSE(LayerFile::menuNames(lines)) << "a blank line among the first 36";
}

TEST(LayerFileReaders, ThePickSearchesEveryLineAndAppliesEachOfTheName)
{
    QStringList lines = numbered(40);
    lines[39] = QStringLiteral("L2,9,HIDDEN,");
    lines.append(QStringLiteral("l2,5,CENTER,"));
    bool wellFormed = false;
    EXPECT_EQ(namesOf(named(lines, QStringLiteral("L2"), &wellFormed)),
              (QStringList{"L2 3 continuous", "L2 9 HIDDEN"}));
    EXPECT_TRUE(wellFormed);
    EXPECT_TRUE(named(lines, QStringLiteral("Extra")).isEmpty());

    // A line of another name needs only its first comma; one without any, or
    // a broken line of the name, ends the pick with what came before it.
    lines[20] = QStringLiteral("L20,3");
    EXPECT_EQ(named(lines, QStringLiteral("L2"), &wellFormed).size(), 2);
    EXPECT_TRUE(wellFormed);
    lines[30] = QStringLiteral("L2,3");
    EXPECT_EQ(namesOf(named(lines, QStringLiteral("L2"), &wellFormed)), QStringList{"L2 3 continuous"});
    EXPECT_FALSE(wellFormed);
    lines[30] = QString();
    named(lines, QStringLiteral("L2"), &wellFormed);
    EXPECT_FALSE(wellFormed);
}

TEST(LayerFileReaders, LoadAllStopsAtTheFirstMalformedLine)
{
    QStringList lines = LayerFile::lines(shipped(QStringLiteral("General.lay")));
    lines[0].chop(1);  // the final comma of the first line
    bool wellFormed = true;
    EXPECT_TRUE(all(lines, &wellFormed).isEmpty());
    EXPECT_FALSE(wellFormed);

    lines = numbered(5);
    lines[3] = QStringLiteral("L3,three,continuous,");
    EXPECT_EQ(all(lines, &wellFormed).size(), 3);
    EXPECT_FALSE(wellFormed);
    EXPECT_TRUE(all({}, &wellFormed).isEmpty());
    EXPECT_TRUE(wellFormed);
}

TEST(LayerFileReaders, LinesEndInAnyOfTheUsualWays)
{
    EXPECT_EQ(LayerFile::lines("a,1,x,\r\nb,2,y,\r\n"), (QStringList{"a,1,x,", "b,2,y,"}));
    EXPECT_EQ(LayerFile::lines("a,1,x,\nb,2,y,"), (QStringList{"a,1,x,", "b,2,y,"}));
    EXPECT_EQ(LayerFile::lines("a,1,x,\r\n\r\nb"), (QStringList{"a,1,x,", "", "b"}));
    EXPECT_EQ(LayerFile::lines("\xc4-OBJ,1,x,"), QStringList{QStringLiteral("\u00c4-OBJ,1,x,")}) << "8-bit text";
    EXPECT_TRUE(LayerFile::lines("").isEmpty());
}
