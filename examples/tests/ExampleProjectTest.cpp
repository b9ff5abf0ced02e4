// The example project as a new user meets it: every drawing has a preview the
// project browser shows, the sheets' viewports show their plans, the sheets
// carry dimensions and leader notes to work on, and the template and the
// AutoLISP file lie where the tools that use them look first.
#include "examples/ExampleProject.h"
#include "platform/cad/Block.h"
#include "platform/cad/Layer.h"
#include "platform/cad/hostview/SheetPainter.h"
#include "platform/cad/hostview/Thumbnailer.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "project/fentrow/preview/DwgPreview.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using examples::ExampleProject;

files::DriveTable driveC(const QTemporaryDir& dir)
{
    QDir(dir.path()).mkdir(QStringLiteral("c"));
    files::DriveTable table;
    table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
    return table;
}

class ExampleProjectTest : public ::testing::Test {
protected:
    ExampleProjectTest() { written = ExampleProject(files, Folder, &thumbnails).write(); }

    QString inProject(const QString& file) const { return Folder + u'\\' + file; }

    std::shared_ptr<standin::Document> open(const QString& file) { return reader->openDocument(inProject(file)); }

    const QString Folder = ExampleProject::DefaultFolder;
    QTemporaryDir temp;
    files::FileSystem files{driveC(temp)};
    hostview::Thumbnailer thumbnails;
    QStringList written;
    std::shared_ptr<standin::Host> reader = standin::Host::create(files);
};

// Reads a viewport's shape.
class ViewportReader : public standin::ShapeVisitor {
public:
    void viewport(const standin::EntityBase&, const standin::ViewportShape& s) override { shape = s; }
    standin::ViewportShape shape;
};

int countOf(const cad::Block& space, int type)
{
    int count = 0;
    for (const auto& entity : space.items())
        count += entity->entityType() == type ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(ExampleProjectTest, EveryDrawingHasAPreviewTheBrowserShows)
{
    QStringList drawings;
    for (const QString& path : written) {
        if (path.endsWith(QStringLiteral(".dwg")) || path.endsWith(QStringLiteral(".dwt")))
            drawings.append(path);
    }
    // The sheets, the title block, the site plan, the template and two blocks.
    EXPECT_EQ(drawings.size(), ExampleProject::sheets().size() + 5);
    for (const QString& path : drawings) {
        SCOPED_TRACE(path.toStdString());
        const fentrow::DwgPreview::Result preview = fentrow::DwgPreview::read(files.readAll(path));
        ASSERT_EQ(preview.kind, fentrow::DwgPreview::Kind::Image);
        EXPECT_EQ(preview.image.size(), hostview::Thumbnailer::Size);
        // A drawing, not a blank: lines of more than the background's colour.
        QSet<QRgb> colours;
        for (int y = 0; y < preview.image.height(); ++y)
            for (int x = 0; x < preview.image.width(); ++x)
                colours.insert(preview.image.pixel(x, y));
        EXPECT_GE(colours.size(), 2);
    }
}

TEST_F(ExampleProjectTest, EachSheetsViewportShowsItsWholePlanCentredAtItsScale)
{
    for (const QString& sheet : ExampleProject::sheets()) {
        SCOPED_TRACE(sheet.toStdString());
        const auto document = open(sheet);
        const standin::Drawing& drawing = *document->drawing();
        std::vector<standin::ViewportShape> floating;
        for (const auto& viewport : drawing.viewports()) {
            ViewportReader shape;
            viewport->accept(shape);
            if (!viewport->isOverall())
                floating.push_back(shape.shape);
        }
        ASSERT_EQ(floating.size(), 1u);
        const standin::ViewportShape& viewport = floating.front();
        EXPECT_EQ(viewport.customScale, ExampleProject::ViewportScale);

        // The plan is its walls: the other layers are left out of the extents.
        for (const auto& layer : document->layers()->items())
            layer->setLayerOn(layer->name() == QStringLiteral("A-WALL"));
        const QRectF plan = hostview::SheetPainter(drawing).extents(hostview::Space::Model);
        ASSERT_FALSE(plan.isNull());
        EXPECT_NEAR(viewport.viewCenter.x, plan.center().x(), 1e-9);
        EXPECT_NEAR(viewport.viewCenter.y, plan.center().y(), 1e-9);
        // On the sheet, the whole plan lies inside the viewport's frame.
        const QRectF frame(viewport.paperCenter.x - viewport.width / 2, viewport.paperCenter.y - viewport.height / 2,
                           viewport.width, viewport.height);
        const QRectF shown = hostview::SheetPainter::modelToPaper(viewport).mapRect(plan);
        EXPECT_TRUE(frame.contains(shown)) << "frame " << frame.left() << "," << frame.top() << " "
                                           << frame.width() << "x" << frame.height();
        reader->closeDocument(document);
    }
}

TEST_F(ExampleProjectTest, SheetsCarryDimensionsAndLeaderNotes)
{
    int sheetsWithBoth = 0;
    for (const QString& sheet : ExampleProject::sheets()) {
        const auto document = open(sheet);
        const cad::Block& model = *document->modelSpace();
        const int dimensions = countOf(model, cad::entityType::DimRotated) + countOf(model, cad::entityType::DimAligned);
        const int leaders = countOf(model, cad::entityType::Leader);
        if (dimensions > 0 && leaders > 0 && countOf(model, cad::entityType::MText) > 0)
            ++sheetsWithBoth;
        reader->closeDocument(document);
    }
    EXPECT_GE(sheetsWithBoth, 3);
}

TEST_F(ExampleProjectTest, TheTemplateAndTheLispFileLieWhereTheirToolsLookFirst)
{
    // Drawing templates are listed from the project folder, which the host
    // started on the project has as its template path.
    const QString templatePath = inProject(QStringLiteral("A3-SHEET.dwt"));
    ASSERT_TRUE(written.contains(templatePath));
    const auto sheet = reader->addDocument(templatePath);
    EXPECT_EQ(countOf(*sheet->paperSpace(), cad::entityType::BlockReference), 1);
    EXPECT_EQ(countOf(*sheet->paperSpace(), cad::entityType::PViewport), 2);  // the sheet's own and the one on the model
    EXPECT_EQ(countOf(*sheet->modelSpace(), cad::entityType::Line), 0);
    EXPECT_TRUE(sheet->layers()->item(QStringLiteral("A-WALL")));

    // The AutoLISP loader lists drive C:'s root until told another folder.
    const QString lisp = QStringLiteral("C:\\ROOMTAG.lsp");
    ASSERT_TRUE(written.contains(lisp));
    EXPECT_TRUE(files.readAll(lisp).contains("(defun c:ROOMTAG"));
}

TEST_F(ExampleProjectTest, TheProjectLibraryHoldsBlocksToInsert)
{
    // The drawing browser's "Project Library" is the project folder's
    // Libraries folder; a block from it goes into a sheet whole.
    const QString library = inProject(QStringLiteral("Libraries"));
    ASSERT_TRUE(files.folderExists(library));
    const auto sheet = open(QStringLiteral("A101.dwg"));
    for (const QString& block : {QStringLiteral("NORTH.dwg"), QStringLiteral("DOOR.dwg")}) {
        SCOPED_TRACE(block.toStdString());
        const QString path = library + u'\\' + block;
        ASSERT_TRUE(written.contains(path));
        const auto reference = sheet->modelSpace()->insertBlock(cad::Point{80, 10, 0}, path, 1, 1, 1, 0);
        EXPECT_EQ(reference->entityType(), cad::entityType::BlockReference);
    }
}
