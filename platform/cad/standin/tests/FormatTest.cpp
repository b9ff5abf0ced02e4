#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/DrawingHead.h"
#include "platform/cad/standin/DrawingWriter.h"
#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/cad/standin/ProfileFile.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <QtEndian>

using namespace standin;
using namespace standin::test;

namespace {

// A head whose image block holds the given 9-byte records, followed by
// `imageBytes` bytes of image data.
QByteArray headWithImages(const QList<std::array<qint32, 3>>& records, int imageBytes)
{
    QByteArray head = DrawingHead::build();
    head.chop(1);
    head.append(char(records.size()));
    for (const auto& record : records) {
        QByteArray bytes(9, '\0');
        bytes[0] = char(record[0]);
        qToLittleEndian<qint32>(record[1], bytes.data() + 1);
        qToLittleEndian<qint32>(record[2], bytes.data() + 5);
        head.append(bytes);
    }
    head.append(QByteArray(imageBytes, 'x'));
    return head;
}

}  // namespace

TEST(DrawingHeadLayout, BodyStartsAfterTheImageRecordsAndTheirData)
{
    const QByteArray plain = DrawingHead::build();
    EXPECT_EQ(DrawingHead::bodyOffset(plain + "body"), plain.size());

    const int table = DrawingHead::ImageBlockOffset + 21;
    const QByteArray withImage = headWithImages({{2, table + 9, 100}}, 100);
    EXPECT_EQ(DrawingHead::bodyOffset(withImage), table + 9 + 100);

    const QByteArray outside = headWithImages({{2, table + 9, 500}}, 100);
    EXPECT_EQ(errorOf([&] { DrawingHead::bodyOffset(outside); }), cad::err::ExceptionOccurred);
    const QByteArray negative = headWithImages({{2, -5, 1}}, 0);
    EXPECT_EQ(errorOf([&] { DrawingHead::bodyOffset(negative); }), cad::err::ExceptionOccurred);
    const QByteArray cutRecords = headWithImages({{2, 0, 0}, {3, 0, 0}}, 0).left(table + 10);
    EXPECT_EQ(errorOf([&] { DrawingHead::bodyOffset(cutRecords); }), cad::err::ExceptionOccurred);
}

TEST(Records, TextFieldsSurviveEscapingAndBadFieldsAreRefused)
{
    RecordWriter writer;
    writer.begin(QStringLiteral("X")).text(QStringLiteral("a\tb\\c\r\nd")).number(0.1).integer(-7).flag(true).end();
    const QString line = writer.result().chopped(1);
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    RecordReader reader(line, 3);
    EXPECT_EQ(reader.keyword(), QStringLiteral("X"));
    EXPECT_EQ(reader.text(), QStringLiteral("a\tb\\c\r\nd"));
    EXPECT_EQ(reader.number(), 0.1);
    EXPECT_EQ(reader.integer(), -7);
    EXPECT_TRUE(reader.flag());
    EXPECT_NO_THROW(reader.finish());
    EXPECT_EQ(errorOf([&] { reader.text(); }), cad::err::ExceptionOccurred);

    RecordReader bad(QStringLiteral("X\tab\\q\tnan\t2\t1.5"), 9);
    EXPECT_EQ(errorOf([&] { bad.text(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { bad.number(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { bad.flag(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { bad.integer(); }), cad::err::ExceptionOccurred);
    try {
        bad.finish();
    } catch (const runtime::Error&) {
        ADD_FAILURE() << "all fields were read";
    }
    try {
        RecordReader(QStringLiteral("X\t1"), 42).finish();
        ADD_FAILURE() << "a field left over went unnoticed";
    } catch (const runtime::Error& error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("line 42")));
    }
}

TEST(LinetypeCatalogueParse, StandardCatalogueHasTheUsualNames)
{
    const LinetypeCatalogue catalogue = LinetypeCatalogue::parse(LinetypeCatalogue::standardText());
    EXPECT_GE(catalogue.definitions().size(), 12);
    for (const char* name : {"CENTER", "PHANTOM", "PHANTOM2", "PHANTOMX2", "DASHED", "HIDDEN"})
        EXPECT_NE(catalogue.find(QString::fromLatin1(name).toLower()), nullptr) << name;
    EXPECT_EQ(catalogue.find(QStringLiteral("Continuous")), nullptr);
}

TEST(LinetypeCatalogueParse, MalformedCataloguesNameTheLine)
{
    const auto description = [](const QString& text) {
        try {
            LinetypeCatalogue::parse(text);
        } catch (const runtime::Error& error) {
            return error.description();
        }
        return QStringLiteral("accepted");
    };
    EXPECT_TRUE(description(QStringLiteral("*A,x\n*B,y\nA,1\n")).contains(QStringLiteral("line 1")));
    EXPECT_TRUE(description(QStringLiteral(";; c\nA,1,-1\n")).contains(QStringLiteral("line 2")));
    EXPECT_TRUE(description(QStringLiteral("*A,x\nA,1,z\n")).contains(QStringLiteral("line 2")));
    EXPECT_TRUE(description(QStringLiteral("*A,x\nA,1\n*a,y\nA,1\n")).contains(QStringLiteral("twice")));
    EXPECT_TRUE(description(QStringLiteral("*A,x")).contains(QStringLiteral("no pattern")));
    EXPECT_TRUE(description(QStringLiteral("hello")).contains(QStringLiteral("unexpected")));
}

class Profiles : public StandinTest {};

TEST_F(Profiles, ProfileFileKeepsPathsAndModes)
{
    HostContext& context = host->context();
    ProfileState profile = context.profile();
    profile.templateDwgPath = QStringLiteral("P:\\Projects\\9=9");
    profile.printerStyleSheetPath = QStringLiteral("P:\\Styles");
    context.setProfile(profile);
    context.setAppVariable(QStringLiteral("SDI"), 1);
    ProfileFile::save(context, QStringLiteral("C:\\profile.txt"));

    const auto other = Host::create(fs);
    ProfileFile::load(other->context(), QStringLiteral("C:\\profile.txt"));
    EXPECT_EQ(other->context().profile().templateDwgPath, QStringLiteral("P:\\Projects\\9=9"));
    EXPECT_EQ(other->context().profile().supportPath, QStringLiteral("C:\\Other;C:\\Support"));
    EXPECT_EQ(other->context().appVariable(QStringLiteral("SDI")).toInt(), 1);

    fs.writeText(QStringLiteral("C:\\bad.txt"), QStringLiteral("TemplateDwgPath=X:\\\nColour=red\n"));
    const auto third = Host::create(fs);
    ProfileFile::load(third->context(), QStringLiteral("C:\\bad.txt"));
    EXPECT_EQ(third->context().profile().templateDwgPath, QString());
}
