#include "EveryKind.h"
#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/DrawingReader.h"
#include "platform/cad/standin/DrawingWriter.h"
#include "platform/cad/standin/EntityKinds.h"

#include <QDir>
#include <QFile>
#include <QSet>

using namespace standin;
using namespace standin::test;

class Reader : public StandinTest {
protected:
    // The file of a drawing filled by `fill`.
    QByteArray fileOf(const std::function<void(Document&)>& fill)
    {
        writeDrawing(QStringLiteral("C:\\Jobs\\source.dwg"), fill);
        return fs.readAll(QStringLiteral("C:\\Jobs\\source.dwg"));
    }

    // The error number of reading the bytes as a drawing, 0 when they read.
    int32_t readError(const QByteArray& bytes)
    {
        return errorOf([&] { DrawingReader::read(context, bytes); });
    }

    const std::shared_ptr<HostContext> context = std::make_shared<HostContext>(fs);
};

TEST_F(Reader, ValuesTheHostWouldRefuseMakeAFileDamaged)
{
    const QByteArray good = fileOf([](Document& d) {
        d.modelSpace()->addDimAligned(pt(0, 0), pt(1, 0), pt(0, 1));
        d.modelSpace()->addLeader({pt(0, 0), pt(1, 1)}, nullptr, 2);
        d.modelSpace()->addMText(pt(0, 0), 4, QStringLiteral("M"));
        d.blocks()->add(pt(0, 0), QStringLiteral("B"));
        d.modelSpace()->insertBlock(pt(0, 0), QStringLiteral("B"), 1, 1, 1, 0);
    });
    ASSERT_EQ(readError(good), 0);
    const auto damaged = [&](const char* from, const char* to) {
        QByteArray bytes = good;
        EXPECT_NE(bytes.indexOf(from), -1) << from;
        return readError(bytes.replace(from, to));
    };
    // Precision 9, unit format 0, a negative scale factor.
    EXPECT_EQ(damaged("\tStandard\t4\t2\t", "\tStandard\t9\t2\t"), cad::err::ExceptionOccurred);
    EXPECT_EQ(damaged("\tStandard\t4\t2\t", "\tStandard\t4\t0\t"), cad::err::ExceptionOccurred);
    EXPECT_EQ(damaged("\t\t\t1\t0.17", "\t\t\t-1\t0.17"), cad::err::ExceptionOccurred);
    // Leader type 7; a paragraph of negative width; a reference scaled by 0.
    EXPECT_EQ(damaged("\t0\t2\t0.17", "\t0\t7\t0.17"), cad::err::ExceptionOccurred);
    EXPECT_EQ(damaged("\tM\t0\t0\t0\t4\t", "\tM\t0\t0\t0\t-4\t"), cad::err::ExceptionOccurred);
    EXPECT_EQ(damaged("\tB\t0\t0\t0\t1\t", "\tB\t0\t0\t0\t0\t"), cad::err::ExceptionOccurred);
    // A text style or dimension style with no name.
    EXPECT_EQ(damaged("\tStandard\t4\t2\t", "\t\t4\t2\t"), cad::err::ExceptionOccurred);
    // A field after the end of a block.
    EXPECT_EQ(damaged("ENDBLOCK\n", "ENDBLOCK\t0\n"), cad::err::ExceptionOccurred);
}

TEST_F(Reader, HandlesAreTheWritersOwnSpelling)
{
    const QByteArray good = fileOf([](Document& d) { d.modelSpace()->addLine(pt(0, 0), pt(1, 1)); });
    const qsizetype line = good.indexOf("LINE\t");
    const qsizetype start = line + 5;
    const qsizetype end = good.indexOf('\t', start);
    const QByteArray handle = good.mid(start, end - start);
    const auto withHandle = [&](const QByteArray& other) { return good.left(start) + other + good.mid(end); };
    EXPECT_EQ(readError(withHandle(handle)), 0);
    for (const QByteArray& other :
         {QByteArray("0") + handle, handle.toLower(), QByteArray("0x") + handle, QByteArray("FFFFFFFFFFFFFFFF"),
          QByteArray("-1"), QByteArray()}) {
        if (other == handle)
            continue;
        EXPECT_EQ(readError(withHandle(other)), cad::err::ExceptionOccurred) << other.constData();
    }
}

TEST_F(Reader, AttributesStandOnlyAfterTheirReference)
{
    QByteArray bytes = fileOf([](Document& d) {
        const auto block = d.blocks()->add(pt(0, 0), QStringLiteral("T"));
        block->addAttribute(0.1, QStringLiteral("?"), pt(0, 0), QStringLiteral("A"), QStringLiteral("v"));
        d.modelSpace()->insertBlock(pt(0, 0), QStringLiteral("T"), 1, 1, 1, 0);
    });
    ASSERT_EQ(readError(bytes), 0);
    // The reference says it has no attributes: the attribute record is then
    // one of the block's own, which it may not be.
    const qsizetype insert = bytes.indexOf("INSERT\t");
    const qsizetype count = bytes.lastIndexOf('\t', bytes.indexOf('\n', insert)) + 1;
    ASSERT_EQ(bytes[count], '1');
    bytes[count] = '0';
    EXPECT_EQ(readError(bytes), cad::err::ExceptionOccurred);
    bytes[count] = '2';
    EXPECT_EQ(readError(bytes), cad::err::ExceptionOccurred);
}

TEST_F(Reader, BlocksThatReferToThemselvesAreRefusedWhateverTheDepth)
{
    const auto document = host->addDocument();
    const auto outer = document->blocks()->add(pt(0, 0), QStringLiteral("Outer"));
    const auto inner = document->blocks()->add(pt(0, 0), QStringLiteral("Inner"));
    outer->insertBlock(pt(0, 0), QStringLiteral("Inner"), 1, 1, 1, 0);
    EXPECT_EQ(errorOf([&] { inner->insertBlock(pt(0, 0), QStringLiteral("Outer"), 1, 1, 1, 0); }),
              cad::err::InvalidInput);
    EXPECT_EQ(inner->count(), 0);

    // A file holding such a circle is damaged.
    document->saveAs(QStringLiteral("C:\\Jobs\\nested.dwg"));
    QByteArray bytes = fs.readAll(QStringLiteral("C:\\Jobs\\nested.dwg"));
    const qsizetype innerBlock = bytes.indexOf("BLOCK\tInner\t");
    const qsizetype after = bytes.indexOf('\n', innerBlock) + 1;
    bytes.insert(after, "INSERT\tFFFF\t0\tOuter\t0\t0\t0\t1\t1\t1\t0\t0\n");
    EXPECT_EQ(readError(bytes), cad::err::ExceptionOccurred);
}

TEST_F(Reader, SeedFilesOfTheFuzzTargetAreTheWritersOwnAndHoldEveryKind)
{
    const QString seeds = QStringLiteral(SUITE_SOURCE_DIR "/fuzz/corpus/fuzz_drawing_reader");
    // STANDIN_WRITE_SEEDS=1 writes them afresh, after a change of the format.
    if (qEnvironmentVariableIntValue("STANDIN_WRITE_SEEDS") == 1) {
        writeDrawing(QStringLiteral("C:\\Jobs\\Site.dwg"),
                     [](Document& d) { d.modelSpace()->addLine(pt(0, 0), pt(1, 1)); });
        writeDrawing(QStringLiteral("C:\\Jobs\\empty.dwg"));
        writeDrawing(QStringLiteral("C:\\Jobs\\geometry.dwg"), fillGeometry);
        writeDrawing(QStringLiteral("C:\\Jobs\\structure.dwg"), fillStructure);
        QDir().mkpath(seeds);
        for (const char* name : {"empty", "geometry", "structure"}) {
            QFile out(seeds + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".dwg"));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(fs.readAll(QStringLiteral("C:\\Jobs\\%1.dwg").arg(QLatin1String(name))));
        }
    }
    QSet<QString> keywords;
    const QStringList files = QDir(seeds).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile in(seeds + QLatin1Char('/') + name);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const auto drawing = DrawingReader::read(context, bytes);
        EXPECT_EQ(DrawingWriter::write(*drawing), bytes) << name.toStdString();
        for (const QByteArray& line : bytes.split('\n'))
            keywords.insert(QString::fromUtf8(line.left(line.indexOf('\t'))));
    }
    for (const QString& keyword : EntityKinds::keywords())
        EXPECT_TRUE(keywords.contains(keyword)) << keyword.toStdString();
}
