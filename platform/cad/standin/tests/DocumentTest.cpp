#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/DrawingHead.h"
#include "platform/cad/standin/ThumbnailMaker.h"

#include <QtEndian>

using namespace standin;
using namespace standin::test;

class Documents : public StandinTest {};

TEST_F(Documents, SingleDocumentOpenReplacesTheDrawingInTheHeldDocument)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"), [](Document& d) { d.layers()->add(QStringLiteral("Walls")); });
    writeDrawing(QStringLiteral("C:\\Jobs\\b.dwg"), [](Document& d) { d.layers()->add(QStringLiteral("Doors")); });
    const std::shared_ptr<cad::Document> held = host->addDocument();
    held->setVariable(QStringLiteral("sdi"), 1);

    const auto opened = held->open(QStringLiteral("c:\\JOBS\\A.DWG"));
    EXPECT_EQ(opened, held);
    EXPECT_EQ(held->name(), QStringLiteral("A.DWG"));
    EXPECT_EQ(held->path(), QStringLiteral("c:\\JOBS"));
    EXPECT_NO_THROW(held->layers()->item(QStringLiteral("walls")));

    const auto layersOfA = held->layers();
    held->open(QStringLiteral("C:\\Jobs\\b.dwg"));
    EXPECT_EQ(host->documents()->count(), 1);
    EXPECT_EQ(host->activeDocument(), held);
    EXPECT_NO_THROW(held->layers()->item(QStringLiteral("Doors")));
    EXPECT_EQ(errorOf([&] { held->layers()->item(QStringLiteral("Walls")); }), cad::err::KeyNotFound);
    // The table of the replaced drawing went with it.
    EXPECT_EQ(errorOf([&] { layersOfA->count(); }), cad::err::ExceptionOccurred);
}

TEST_F(Documents, MultipleDocumentOpenAddsADocumentAndSdiOneIsRefusedWithTwoOpen)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"));
    const std::shared_ptr<cad::Document> first = host->addDocument();
    EXPECT_EQ(first->getVariable(QStringLiteral("SDI")).toInt(), 0);
    const auto second = first->open(QStringLiteral("C:\\Jobs\\a"));
    EXPECT_NE(second, first);
    EXPECT_EQ(second->fullName(), QStringLiteral("C:\\Jobs\\a.dwg"));
    EXPECT_EQ(host->activeDocument(), second);
    EXPECT_EQ(host->documents()->count(), 2);

    EXPECT_EQ(errorOf([&] { first->setVariable(QStringLiteral("SDI"), 1); }), cad::err::InvalidInput);
    EXPECT_EQ(first->getVariable(QStringLiteral("SDI")).toInt(), 0);

    host->closeDocument(host->active());
    first->setVariable(QStringLiteral("SDI"), 1);
    EXPECT_EQ(first->getVariable(QStringLiteral("sdi")).toInt(), 1);
    // With one drawing in single-document mode no second can be added.
    EXPECT_EQ(errorOf([&] { host->documents()->add(); }), cad::err::ExceptionOccurred);
}

TEST_F(Documents, NewFromTemplateIsForSingleDocumentModeOnly)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\plan.dwt"), [](Document& d) { d.layers()->add(QStringLiteral("Title")); });
    const std::shared_ptr<cad::Document> document = host->addDocument();
    EXPECT_EQ(errorOf([&] { document->newDrawing(QStringLiteral("C:\\Jobs\\plan.dwt")); }),
              cad::err::ExceptionOccurred);
    const auto added = host->documents()->add(QStringLiteral("C:\\Jobs\\plan.dwt"));
    EXPECT_NO_THROW(added->layers()->item(QStringLiteral("Title")));
    EXPECT_EQ(added->fullName(), QString());
    EXPECT_EQ(added->name(), QStringLiteral("Drawing3.dwg"));

    host->closeDocument(host->active());
    document->setVariable(QStringLiteral("SDI"), 1);
    EXPECT_EQ(document->newDrawing(QStringLiteral("C:\\Jobs\\plan.dwt")), document);
    EXPECT_NO_THROW(document->layers()->item(QStringLiteral("Title")));
    // A folder is no template.
    EXPECT_EQ(errorOf([&] { document->newDrawing(QStringLiteral("C:\\Jobs\\")); }), cad::err::ExceptionOccurred);
}

TEST_F(Documents, SavedDrawingOpensWithEverythingItHeld)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\full.dwg"), [](Document& d) {
        d.linetypes()->load(QStringLiteral("hidden"), QStringLiteral("acad.lin"));
        auto layer = d.layers()->add(QStringLiteral("Notes"));
        layer->setColor(3);
        layer->setLinetype(QStringLiteral("HIDDEN"));
        d.textStyles()->add(QStringLiteral("Bold"));
        d.setActiveLayer(layer);
        d.setVariable(QStringLiteral("dimscale"), 48.0);
        auto block = d.blocks()->add(pt(0, 0), QStringLiteral("Title"));
        block->addAttribute(0.2, QStringLiteral("Sheet?"), pt(1, 1), QStringLiteral("SHEET"), QStringLiteral("A1"));
        auto text = d.modelSpace()->addText(QStringLiteral("tab\there\nand \\ back"), pt(2, 3), 0.5);
        text->setStyleName(QStringLiteral("bold"));
        text->setAlignment(4);
        d.paperSpace()->insertBlock(pt(10, 10), QStringLiteral("Title"), 1, 1, 1, 0);
        d.paperSpace()->addPViewport(pt(5, 5), 4, 3)->setCustomScale(0.25);
        d.setActiveSpace(cad::space::Paper);
        d.setMSpace(true);
        d.activeLayout()->setConfigName(QStringLiteral("office laser.pc3"));
    });

    const std::shared_ptr<cad::Document> d = host->openDocument(QStringLiteral("C:\\Jobs\\full.dwg"));
    EXPECT_FALSE(d->readOnly());
    EXPECT_EQ(d->activeLayer()->name(), QStringLiteral("Notes"));
    EXPECT_EQ(d->layers()->item(QStringLiteral("Notes"))->linetype(), QStringLiteral("HIDDEN"));
    EXPECT_EQ(d->layers()->item(QStringLiteral("Notes"))->color(), 3);
    EXPECT_EQ(d->getVariable(QStringLiteral("DIMSCALE")).toDouble(), 48.0);
    EXPECT_EQ(d->getVariable(QStringLiteral("clayer")).toString(), QStringLiteral("Notes"));
    const auto text = d->modelSpace()->item(0);
    EXPECT_EQ(text->textString(), QStringLiteral("tab\there\nand \\ back"));
    EXPECT_EQ(text->styleName(), QStringLiteral("Bold"));
    EXPECT_EQ(text->alignment(), 4);
    EXPECT_EQ(text->layer(), QStringLiteral("Notes"));
    EXPECT_EQ(d->activeSpace(), cad::space::Paper);
    EXPECT_TRUE(d->mSpace());
    EXPECT_DOUBLE_EQ(d->activePViewport()->customScale(), 0.25);
    EXPECT_EQ(d->activeLayout()->configName(), QStringLiteral("Office Laser.pc3"));
    const auto reference = d->paperSpace()->item(1);
    EXPECT_EQ(reference->name(), QStringLiteral("Title"));
    ASSERT_EQ(reference->getAttributes().size(), 1u);
    EXPECT_EQ(reference->getAttributes()[0]->textString(), QStringLiteral("A1"));
}

TEST_F(Documents, FileHeadIsLaidOutLikeTheRealOne)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"));
    const QByteArray bytes = fs.readAll(QStringLiteral("C:\\Jobs\\a.dwg"));
    EXPECT_EQ(bytes.left(6), QByteArray("AC1015"));
    const qint32 image = qFromLittleEndian<qint32>(bytes.constData() + 13);
    ASSERT_GT(bytes.size(), image + 21);
    EXPECT_EQ(bytes[image + 20], char(0));
    EXPECT_TRUE(bytes.mid(image + 21).startsWith("STANDIN-DRAWING\t1\n"));
}

namespace {

// A 5 x 3 thumbnail: palette index 1 at the top left, 2 at the bottom right,
// 0 elsewhere; it notes how many model-space objects the drawing had.
class FixedThumbnail : public ThumbnailMaker {
public:
    QImage thumbnail(const Drawing& drawing) const override
    {
        seen = int(drawing.modelSpace()->entities().size());
        if (!size.isValid())
            return QImage();
        QImage image(size, QImage::Format_Indexed8);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(10, 20, 30)});
        image.fill(0);
        image.setPixel(0, 0, 1);
        image.setPixel(size.width() - 1, size.height() - 1, 2);
        return image;
    }

    QSize size{5, 3};
    mutable int seen = -1;
};

qint32 int32At(const QByteArray& bytes, qint64 offset) { return qFromLittleEndian<qint32>(bytes.constData() + offset); }

}  // namespace

TEST_F(Documents, SavedDrawingCarriesTheThumbnailInAHeaderAndABitmapRecord)
{
    FixedThumbnail maker;
    host->context().setThumbnailMaker(&maker);
    writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"), [](Document& d) { d.modelSpace()->addLine(pt(0, 0), pt(1, 1)); });
    EXPECT_EQ(maker.seen, 1);
    const QByteArray bytes = fs.readAll(QStringLiteral("C:\\Jobs\\a.dwg"));
    const qint32 block = int32At(bytes, 13);
    ASSERT_EQ(bytes[block + 20], char(2));
    const qint64 header = block + 21;
    const qint64 bitmap = header + 9;
    EXPECT_EQ(bytes[header], char(1));
    ASSERT_EQ(bytes[bitmap], char(2));
    const qint32 start = int32At(bytes, bitmap + 1);
    const qint32 size = int32At(bytes, bitmap + 5);
    ASSERT_LE(qint64(start) + size, bytes.size());
    EXPECT_EQ(int32At(bytes, start + 4), 5);
    EXPECT_EQ(int32At(bytes, start + 8), 3);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + start + 14), 8);
    // Palette entry 1 is red: blue, green, red, unused.
    EXPECT_EQ(bytes.mid(start + 40 + 4, 4), QByteArray("\0\0\xff\0", 4));
    // Rows of 8 bytes, bottom up, at the end of the record: the bottom row
    // ends in index 2, the top row starts with index 1.
    constexpr int Stride = 8;
    EXPECT_EQ(size, 40 + 1024 + 3 * Stride);
    const qint64 rows = start + size - 3 * Stride;
    EXPECT_EQ(bytes.mid(rows, Stride), QByteArray("\0\0\0\0\x02\0\0\0", Stride));
    EXPECT_EQ(bytes.mid(rows + 2 * Stride, Stride), QByteArray("\x01\0\0\0\0\0\0\0", Stride));

    // The body follows the image, and the drawing reads back whole.
    EXPECT_EQ(DrawingHead::bodyOffset(bytes), start + size);
    const auto document = host->openDocument(QStringLiteral("C:\\Jobs\\a.dwg"));
    EXPECT_EQ(document->modelSpace()->count(), 1);
}

TEST_F(Documents, ThumbnailTooLargeOrMissingLeavesTheHeadWithoutImages)
{
    FixedThumbnail maker;
    host->context().setThumbnailMaker(&maker);
    for (const QSize size : {QSize(), QSize(DrawingHead::LargestThumbnailSide + 1, 2)}) {
        maker.size = size;
        writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"));
        const QByteArray bytes = fs.readAll(QStringLiteral("C:\\Jobs\\a.dwg"));
        EXPECT_EQ(bytes[int32At(bytes, 13) + 20], char(0));
        EXPECT_EQ(bytes.left(DrawingHead::bodyOffset(bytes)), DrawingHead::build());
    }
}

TEST_F(Documents, DamagedFileGivesANumberedErrorAndNoDocument)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\good.dwg"),
                 [](Document& d) { d.modelSpace()->addLine(pt(0, 0), pt(1, 1)); });
    const QByteArray good = fs.readAll(QStringLiteral("C:\\Jobs\\good.dwg"));
    const qsizetype body = DrawingHead::bodyOffset(good);

    const QList<QByteArray> damaged = {
        QByteArray(),
        good.left(20),
        QByteArray("AC1014") + good.mid(6),
        good.left(13) + QByteArray("\xff\xff\xff\x7f") + good.mid(17),
        good.left(body) + QByteArray("STANDIN-DRAWING\t2\n") + good.mid(good.indexOf('\n', body) + 1),
        good.left(good.size() - 4),                     // END cut off
        QByteArray(good).replace("\nEND\n", "\nENDX\n"),
        QByteArray(good).replace("LINE\t", "CIRCLE\t"),
        QByteArray(good).replace("LAYER\t0\t7", "LAYER\t0\tseven"),
        QByteArray(good) + "LINE\t99\t0\n",
        QByteArray(good).replace("ENDBLOCK", "ENDBLOCK\nENDBLOCK"),
    };
    int index = 0;
    for (const QByteArray& bytes : damaged) {
        fs.writeAll(QStringLiteral("C:\\Jobs\\bad.dwg"), bytes);
        EXPECT_EQ(errorOf([&] { host->openDocument(QStringLiteral("C:\\Jobs\\bad.dwg")); }),
                  cad::err::ExceptionOccurred)
            << "damage " << index;
        ++index;
    }
    EXPECT_TRUE(host->documentList().empty());

    // An entity on a layer the file does not define.
    const qsizetype line = good.indexOf("LINE\t");
    const qsizetype layerField = good.indexOf('\t', good.indexOf('\t', line) + 1);
    const QByteArray orphan = good.left(layerField + 1) + "Ghost" + good.mid(good.indexOf('\t', layerField + 1));
    fs.writeAll(QStringLiteral("C:\\Jobs\\bad.dwg"), orphan);
    try {
        host->openDocument(QStringLiteral("C:\\Jobs\\bad.dwg"));
        ADD_FAILURE() << "a drawing with an entity on a missing layer opened";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), cad::err::ExceptionOccurred);
        EXPECT_TRUE(error.description().contains(QStringLiteral("Ghost")));
    }
}

TEST_F(Documents, ReadOnlyDrawingRefusesSaveButSavesAsAnotherName)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\locked.dwg"));
    fs.setReadOnly(QStringLiteral("C:\\Jobs\\locked.dwg"), true);
    const QByteArray before = fs.readAll(QStringLiteral("C:\\Jobs\\locked.dwg"));
    const std::shared_ptr<cad::Document> d = host->openDocument(QStringLiteral("C:\\Jobs\\locked.dwg"));
    EXPECT_TRUE(d->readOnly());
    d->modelSpace()->addLine(pt(0, 0), pt(5, 0));

    EXPECT_EQ(errorOf([&] { d->save(); }), cad::err::DrawingReadOnly);
    EXPECT_EQ(errorOf([&] { d->saveAs(QStringLiteral("C:\\Jobs\\locked.dwg")); }), cad::err::DrawingReadOnly);
    EXPECT_EQ(fs.readAll(QStringLiteral("C:\\Jobs\\locked.dwg")), before);

    d->saveAs(QStringLiteral("C:\\Jobs\\Erace"));
    EXPECT_TRUE(fs.fileExists(QStringLiteral("C:\\Jobs\\Erace.dwg")));
    EXPECT_EQ(d->fullName(), QStringLiteral("C:\\Jobs\\Erace.dwg"));
    EXPECT_FALSE(d->readOnly());
    EXPECT_NO_THROW(d->save());
}

TEST_F(Documents, SaveOfANeverSavedDrawingOrIntoAMissingFolderFails)
{
    const std::shared_ptr<cad::Document> d = host->addDocument();
    EXPECT_EQ(errorOf([&] { d->save(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { d->saveAs(QStringLiteral("C:\\Nowhere\\a.dwg")); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(d->fullName(), QString());
    EXPECT_EQ(errorOf([&] { d->open(QStringLiteral("C:\\Jobs\\missing.dwg")); }), cad::err::ExceptionOccurred);
}

TEST_F(Documents, SystemVariablesAreTypedAndChecked)
{
    const std::shared_ptr<cad::Document> d = host->addDocument();
    EXPECT_EQ(d->getVariable(QStringLiteral("Orthomode")).typeId(), QMetaType::Int);
    EXPECT_EQ(d->getVariable(QStringLiteral("dimscale")).typeId(), QMetaType::Double);
    EXPECT_EQ(d->getVariable(QStringLiteral("tilemode")).toInt(), 1);
    EXPECT_EQ(d->getVariable(QStringLiteral("measurement")).toInt(), 0);
    EXPECT_EQ(d->getVariable(QStringLiteral("rememberfolders")).toInt(), 1);
    EXPECT_EQ(d->getVariable(QStringLiteral("dwgname")).toString(), QStringLiteral("Drawing1.dwg"));

    EXPECT_EQ(errorOf([&] { d->getVariable(QStringLiteral("nosuchvar")); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { d->setVariable(QStringLiteral("orthomode"), 2); }), cad::err::InvalidInput);
    const auto setting = [&](const char* name, const QVariant& value) {
        return errorOf([&] { d->setVariable(QString::fromLatin1(name), value); });
    };
    EXPECT_EQ(setting("orthomode", QStringLiteral("1")), cad::err::InvalidInput);
    EXPECT_EQ(setting("lastprompt", QStringLiteral("x")), cad::err::InvalidInput);
    EXPECT_EQ(setting("clayer", QStringLiteral("Ghost")), cad::err::KeyNotFound);

    d->setVariable(QStringLiteral("TILEMODE"), 0);
    EXPECT_EQ(d->activeSpace(), cad::space::Paper);
    d->setActiveSpace(cad::space::Model);
    EXPECT_EQ(d->getVariable(QStringLiteral("tilemode")).toInt(), 1);

    d->layers()->add(QStringLiteral("Walls"));
    d->setVariable(QStringLiteral("clayer"), QStringLiteral("walls"));
    EXPECT_EQ(d->activeLayer()->name(), QStringLiteral("Walls"));
}

TEST_F(Documents, LayerRulesOfTheHost)
{
    const std::shared_ptr<cad::Document> d = host->addDocument();
    const auto walls = d->layers()->add(QStringLiteral("Walls"));
    EXPECT_EQ(d->layers()->add(QStringLiteral("WALLS")), walls);
    EXPECT_EQ(d->layers()->count(), 2);
    EXPECT_EQ(errorOf([&] { d->layers()->add(QStringLiteral("A|B")); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { d->layers()->item(5); }), cad::err::InvalidArgument);
    EXPECT_EQ(errorOf([&] { walls->setColor(0); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { walls->setLinetype(QStringLiteral("DASHED")); }), cad::err::KeyNotFound);

    d->setActiveLayer(walls);
    EXPECT_EQ(errorOf([&] { walls->setFreeze(true); }), cad::err::InvalidInput);
    walls->setLayerOn(false);
    EXPECT_FALSE(walls->layerOn());
    const auto zero = d->layers()->item(QStringLiteral("0"));
    zero->setFreeze(true);
    EXPECT_EQ(errorOf([&] { d->setActiveLayer(zero); }), cad::err::InvalidInput);

    const auto other = host->addDocument();
    EXPECT_EQ(errorOf([&] { other->setActiveLayer(walls); }), cad::err::InvalidInput);
}
