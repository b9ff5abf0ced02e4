#include "examples/ExampleProject.h"

#include "platform/cad/Layout.h"
#include "platform/cad/PViewport.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <functional>

namespace examples {

namespace {

const QString TitleBlockFile = QStringLiteral("TITLEBLK.dwg");
const QString SiteFile = QStringLiteral("SITE.dwg");

// The sheets' viewport: its centre on the sheet and its size, inside the
// border and left of the title strip.
const cad::Point ViewportCentre{130.0, 150.0, 0.0};
constexpr double ViewportWidth = 220.0;
constexpr double ViewportHeight = 240.0;

// A room tag command, as a practice's support files carry; the host only
// reports loading it.
const char* const RoomTagLisp =
    ";; ROOMTAG.lsp - tags a room: its name in capitals at a picked point,\r\n"
    ";; on layer A-TEXT. Load it, then type ROOMTAG.\r\n"
    "(defun c:ROOMTAG (/ at name oldlayer)\r\n"
    "  (setq at (getpoint \"\\nRoom tag position: \"))\r\n"
    "  (setq name (getstring T \"\\nRoom name: \"))\r\n"
    "  (setq oldlayer (getvar \"CLAYER\"))\r\n"
    "  (command \"_.-LAYER\" \"_M\" \"A-TEXT\" \"\")\r\n"
    "  (command \"_.TEXT\" at 1.5 0 (strcase name))\r\n"
    "  (setvar \"CLAYER\" oldlayer)\r\n"
    "  (princ)\r\n"
    ")\r\n"
    "(princ \"\\nROOMTAG loaded: type ROOMTAG to tag a room.\")\r\n"
    "(princ)\r\n";

cad::Point pt(double x, double y) { return cad::Point{x, y, 0.0}; }

void rectangle(cad::Block& space, double x0, double y0, double x1, double y1)
{
    space.addLine(pt(x0, y0), pt(x1, y0));
    space.addLine(pt(x1, y0), pt(x1, y1));
    space.addLine(pt(x1, y1), pt(x0, y1));
    space.addLine(pt(x0, y1), pt(x0, y0));
}

}  // namespace

const QString ExampleProject::DefaultFolder = QStringLiteral("C:\\Pollent");
const QString ExampleProject::TitleBlockName = QStringLiteral("TITLEBLK");
const QString ExampleProject::XrefSheet = QStringLiteral("A104.dwg");
const QString ExampleProject::ReadOnlySheet = QStringLiteral("A105.dwg");
const QString ExampleProject::DraftStampName = QStringLiteral("DRAFT");
const QString ExampleProject::TemplateFile = QStringLiteral("A3-SHEET.dwt");
const QString ExampleProject::LispFile = QStringLiteral("ROOMTAG.lsp");
const QString ExampleProject::LibraryFolder = QStringLiteral("Libraries");

ExampleProject::ExampleProject(files::FileSystem& files, QString folder, const standin::ThumbnailMaker* thumbnails)
    : files_(files), folder_(std::move(folder)), thumbnails_(thumbnails)
{
}

QStringList ExampleProject::sheets()
{
    return {QStringLiteral("A101.dwg"), QStringLiteral("A102.dwg"), QStringLiteral("A103.dwg"), XrefSheet,
            ReadOnlySheet};
}

QString ExampleProject::pathOf(const QString& file) const { return files::WinPath::join(folder_, file); }

// The loader lists the files of the drive's root until it is told another
// folder, so the file lies there, not in the project.
QString ExampleProject::lispPath() const { return folder_.left(2) + u'\\' + LispFile; }

QStringList ExampleProject::write()
{
    if (!files_.folderExists(folder_))
        files_.makeFolder(folder_);
    const std::shared_ptr<standin::Host> host = standin::Host::create(files_);
    host->context().setThumbnailMaker(thumbnails_);
    QStringList written;
    const auto save = [&](const QString& file, const std::function<void(standin::Document&)>& fill) {
        const std::shared_ptr<standin::Document> document = host->addDocument();
        fill(*document);
        document->saveAs(pathOf(file));
        host->closeDocument(document);
        written.append(pathOf(file));
    };
    save(TitleBlockFile, [this](standin::Document& d) { writeTitleBlock(d); });
    save(SiteFile, [this](standin::Document& d) { writeSitePlan(d); });
    const QList<Sheet> list = {
        {QStringLiteral("A101.dwg"), QStringLiteral("GROUND FLOOR PLAN"), QStringLiteral("2024-03-04"), QStringLiteral("A")},
        {QStringLiteral("A102.dwg"), QStringLiteral("FIRST FLOOR PLAN"), QStringLiteral("2024-03-04"), QStringLiteral("A")},
        {QStringLiteral("A103.dwg"), QStringLiteral("ROOF PLAN"), QStringLiteral("2024-03-11"), QStringLiteral("B")},
        {XrefSheet, QStringLiteral("SITE LAYOUT"), QStringLiteral("2024-03-11"), QStringLiteral("A")},
        {ReadOnlySheet, QStringLiteral("ELEVATIONS"), QStringLiteral("2024-02-26"), QStringLiteral("C")},
    };
    for (const Sheet& sheet : list)
        save(sheet.file, [this, &sheet](standin::Document& d) { writeSheet(d, sheet); });
    save(TemplateFile, [this](standin::Document& d) { writeTemplate(d); });
    // The project's library, where the drawing browser's "Project Library"
    // goes: blocks to insert into the sheets.
    if (!files_.folderExists(pathOf(LibraryFolder)))
        files_.makeFolder(pathOf(LibraryFolder));
    save(LibraryFolder + QStringLiteral("\\NORTH.dwg"), [this](standin::Document& d) { writeNorthArrow(d); });
    save(LibraryFolder + QStringLiteral("\\DOOR.dwg"), [this](standin::Document& d) { writeDoor(d); });
    files_.writeAll(lispPath(), QByteArray(RoomTagLisp));
    written.append(lispPath());
    host->context().setThumbnailMaker(nullptr);
    return written;
}

void ExampleProject::writeTitleBlock(standin::Document& document)
{
    // An A3 border with a title strip; the four attributes sit in the strip.
    document.layers()->add(QStringLiteral("BORDER"))->setColor(7);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("BORDER"));
    cad::Block& model = *document.modelSpace();
    rectangle(model, 0, 0, 420, 297);
    rectangle(model, 10, 10, 410, 287);
    rectangle(model, 250, 10, 410, 60);
    model.addLine(pt(250, 35), pt(410, 35));
    model.addLine(pt(350, 10), pt(350, 35));
    model.addAttribute(5, QStringLiteral("Drawing title"), pt(255, 45), QStringLiteral("TITLE"), QStringLiteral("TITLE"));
    model.addAttribute(3.5, QStringLiteral("Drawing number"), pt(255, 20), QStringLiteral("DWGNO"), QStringLiteral("0000"));
    model.addAttribute(2.5, QStringLiteral("Date"), pt(300, 20), QStringLiteral("DATE"), QStringLiteral("-"));
    model.addAttribute(3.5, QStringLiteral("Revision"), pt(360, 20), QStringLiteral("REV"), QStringLiteral("-"));
}

void ExampleProject::writeSitePlan(standin::Document& document)
{
    document.layers()->add(QStringLiteral("SITE-BOUNDARY"))->setColor(1);
    document.layers()->add(QStringLiteral("SITE-ROAD"))->setColor(8);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("SITE-BOUNDARY"));
    cad::Block& model = *document.modelSpace();
    rectangle(model, -20, -20, 120, 80);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("SITE-ROAD"));
    model.addLine(pt(-40, -30), pt(140, -30));
    model.addText(QStringLiteral("SITE BOUNDARY"), pt(-15, 70), 2.5);
}

void ExampleProject::drawPlan(standin::Document& document, double offset)
{
    document.layers()->add(QStringLiteral("A-WALL"))->setColor(2);
    document.layers()->add(QStringLiteral("A-TEXT"))->setColor(3);
    // Left over from drafting: a purge removes them.
    document.layers()->add(QStringLiteral("TEMP-WORK"));
    document.blocks()->add(pt(0, 0), QStringLiteral("OLD-NORTH"))->addLine(pt(0, 0), pt(0, 10));
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-WALL"));
    cad::Block& model = *document.modelSpace();
    rectangle(model, 0, 0, 60 + offset, 40);
    model.addLine(pt(30, 0), pt(30, 40));
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-TEXT"));
    model.addText(QStringLiteral("LIVING"), pt(5, 20), 1.5);
    model.addText(QStringLiteral("KITCHEN"), pt(35, 20), 1.5);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("0"));
}

void ExampleProject::annotatePlan(standin::Document& document, const Sheet& sheet, double offset)
{
    // Dimensions and leader notes, for the dimension, text and layer tools
    // to work on; every sheet but the elevations has some.
    if (sheet.file == ReadOnlySheet)
        return;
    document.layers()->add(QStringLiteral("A-DIMS"))->setColor(1);
    document.layers()->add(QStringLiteral("A-NOTE"))->setColor(4);
    cad::Block& model = *document.modelSpace();
    const double width = 60 + offset;
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-DIMS"));
    // Their texts and arrows about as large as the room names.
    const auto sized = [](const std::shared_ptr<cad::Entity>& dimension) { dimension->setScaleFactor(6.0); };
    sized(model.addDimRotated(pt(0, 0), pt(width, 0), pt(width / 2, -8), 0.0));
    sized(model.addDimRotated(pt(width, 0), pt(width, 40), pt(width + 5, 20), 1.5707963267948966));
    if (sheet.file == QLatin1String("A101.dwg") || sheet.file == QLatin1String("A102.dwg"))
        sized(model.addDimAligned(pt(0, 40), pt(30, 40), pt(15, 46)));
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-NOTE"));
    const QString note = sheet.file == QLatin1String("A103.dwg") ? QStringLiteral("FALL 1:40 TO GUTTER")
                                                                  : QStringLiteral("NEW OPENING");
    const auto leader = model.addLeader({pt(30, 30), pt(38, 52), pt(44, 52)}, nullptr, 2);
    leader->setScaleFactor(6.0);
    const auto text = model.addMText(pt(45, 53.5), 30, note);
    text->setHeight(1.2);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("0"));
}

void ExampleProject::layOutSheet(standin::Document& document, const Sheet& sheet, const cad::Point& centre)
{
    cad::Block& paper = *document.paperSpace();
    const auto reference =
        paper.insertBlock(pt(0, 0), pathOf(TitleBlockFile), 1.0, 1.0, 1.0, 0.0);
    // A sheet without a title (the template) keeps the title block's own
    // texts, to be filled in.
    const QString number = sheet.title.isEmpty() ? QString() : files::WinPath::baseName(sheet.file);
    for (const auto& attribute : reference->getAttributes()) {
        const QString tag = attribute->tagString();
        QString text;
        if (tag == QLatin1String("TITLE"))
            text = sheet.title;
        else if (tag == QLatin1String("DWGNO"))
            text = number;
        else if (tag == QLatin1String("DATE"))
            text = sheet.date;
        else if (tag == QLatin1String("REV"))
            text = sheet.revision;
        if (!text.isEmpty())
            attribute->setTextString(text);
    }
    // The viewport looks at the plan, at a scale it fits at.
    const auto viewport = paper.addPViewport(ViewportCentre, ViewportWidth, ViewportHeight);
    viewport->setCustomScale(ViewportScale);
    std::dynamic_pointer_cast<standin::Viewport>(viewport)->setViewCenter(centre);
}

void ExampleProject::usePenTable(standin::Document& document)
{
    // Sheets come with a pen table on every layout, as a practice's sheets
    // would, so the plotter can plot them straight away in either space. The
    // drawing is left in model space, as it was drawn.
    for (const int space : {cad::space::Paper, cad::space::Model}) {
        document.setActiveSpace(space);
        document.activeLayout()->setStyleSheet(QStringLiteral("monochrome.ctb"));
    }
}

void ExampleProject::writeSheet(standin::Document& document, const Sheet& sheet)
{
    const double offset = sheet.file == XrefSheet ? 0 : 10;
    drawPlan(document, offset);
    annotatePlan(document, sheet, offset);
    if (sheet.file == XrefSheet) {
        document.modelSpace()->attachExternalReference(pathOf(SiteFile), QStringLiteral("SITE"), pt(0, 0), 1.0,
                                                       1.0, 1.0, 0.0, false);
    }
    layOutSheet(document, sheet, pt((60 + offset) / 2, 20));
    usePenTable(document);
    if (sheet.file == QLatin1String("A102.dwg") || sheet.file == QLatin1String("A103.dwg")) {
        // A "DRAFT" stamp on the sheet, for trying "Delete Block".
        auto stamp = document.blocks()->add(pt(0, 0), DraftStampName);
        rectangle(*stamp, 0, 0, 40, 12);
        stamp->addText(QStringLiteral("DRAFT"), pt(4, 3), 6);
        document.paperSpace()->insertBlock(pt(300, 240), DraftStampName, 1.0, 1.0, 1.0, 0.0);
    }
}

void ExampleProject::writeTemplate(standin::Document& document)
{
    // A new sheet: the practice's layers, the title block with its texts to
    // fill in, and the viewport with model space's origin near its lower
    // left corner, where a new plan starts.
    document.layers()->add(QStringLiteral("A-WALL"))->setColor(2);
    document.layers()->add(QStringLiteral("A-TEXT"))->setColor(3);
    document.layers()->add(QStringLiteral("A-DIMS"))->setColor(1);
    document.layers()->add(QStringLiteral("A-NOTE"))->setColor(4);
    const Sheet blank{TemplateFile, QString(), QString(), QString()};
    const double margin = 10.0;
    layOutSheet(document, blank,
                pt(ViewportWidth / ViewportScale / 2 - margin, ViewportHeight / ViewportScale / 2 - margin));
    usePenTable(document);
    // A drawing started from it opens on the sheet it is for.
    document.setActiveSpace(cad::space::Paper);
}

void ExampleProject::writeNorthArrow(standin::Document& document)
{
    // A north point: a circle, an arrow on its vertical diameter and an N.
    document.layers()->add(QStringLiteral("A-SYMB"))->setColor(2);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-SYMB"));
    cad::Block& model = *document.modelSpace();
    model.addCircle(pt(0, 0), 5);
    model.addLine(pt(0, -5), pt(0, 5));
    model.addLine(pt(0, 5), pt(-2, 1));
    model.addLine(pt(0, 5), pt(2, 1));
    model.addText(QStringLiteral("N"), pt(-1, 6.5), 2.5);
}

void ExampleProject::writeDoor(standin::Document& document)
{
    // A door in plan, as wide as the plans' doors would be, hinged at the
    // origin: the leaf and its swing.
    document.layers()->add(QStringLiteral("A-DOOR"))->setColor(6);
    document.setVariable(QStringLiteral("CLAYER"), QStringLiteral("A-DOOR"));
    cad::Block& model = *document.modelSpace();
    model.addLine(pt(0, 0), pt(0, 3));
    model.addArc(pt(0, 0), 3, 0.0, 1.5707963267948966);
}

}  // namespace examples
