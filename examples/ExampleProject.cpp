#include "examples/ExampleProject.h"

#include "platform/cad/Layout.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <functional>

namespace examples {

namespace {

const QString TitleBlockFile = QStringLiteral("TITLEBLK.dwg");
const QString SiteFile = QStringLiteral("SITE.dwg");

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

ExampleProject::ExampleProject(files::FileSystem& files, QString folder) : files_(files), folder_(std::move(folder))
{
}

QStringList ExampleProject::sheets()
{
    return {QStringLiteral("A101.dwg"), QStringLiteral("A102.dwg"), QStringLiteral("A103.dwg"), XrefSheet,
            ReadOnlySheet};
}

QString ExampleProject::pathOf(const QString& file) const { return files::WinPath::join(folder_, file); }

QStringList ExampleProject::write()
{
    if (!files_.folderExists(folder_))
        files_.makeFolder(folder_);
    const std::shared_ptr<standin::Host> host = standin::Host::create(files_);
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

void ExampleProject::insertTitleBlock(standin::Document& document, const Sheet& sheet)
{
    cad::Block& paper = *document.paperSpace();
    const auto reference =
        paper.insertBlock(pt(0, 0), pathOf(TitleBlockFile), 1.0, 1.0, 1.0, 0.0);
    const QString number = files::WinPath::baseName(sheet.file);
    for (const auto& attribute : reference->getAttributes()) {
        const QString tag = attribute->tagString();
        if (tag == QLatin1String("TITLE"))
            attribute->setTextString(sheet.title);
        else if (tag == QLatin1String("DWGNO"))
            attribute->setTextString(number);
        else if (tag == QLatin1String("DATE"))
            attribute->setTextString(sheet.date);
        else if (tag == QLatin1String("REV"))
            attribute->setTextString(sheet.revision);
    }
    paper.addPViewport(pt(130, 150), 220, 240);
}

void ExampleProject::writeSheet(standin::Document& document, const Sheet& sheet)
{
    drawPlan(document, sheet.file == XrefSheet ? 0 : 10);
    if (sheet.file == XrefSheet) {
        document.modelSpace()->attachExternalReference(pathOf(SiteFile), QStringLiteral("SITE"), pt(0, 0), 1.0,
                                                       1.0, 1.0, 0.0, false);
    }
    insertTitleBlock(document, sheet);
    // Sheets come with a pen table on every layout, as a practice's sheets
    // would, so the plotter can plot them straight away in either space. The
    // sheet is left in model space, as it was drawn.
    for (const int space : {cad::space::Paper, cad::space::Model}) {
        document.setActiveSpace(space);
        document.activeLayout()->setStyleSheet(QStringLiteral("monochrome.ctb"));
    }
    if (sheet.file == QLatin1String("A102.dwg") || sheet.file == QLatin1String("A103.dwg")) {
        // A "DRAFT" stamp on the sheet, for trying "Delete Block".
        auto stamp = document.blocks()->add(pt(0, 0), DraftStampName);
        rectangle(*stamp, 0, 0, 40, 12);
        stamp->addText(QStringLiteral("DRAFT"), pt(4, 3), 6);
        document.paperSpace()->insertBlock(pt(300, 240), DraftStampName, 1.0, 1.0, 1.0, 0.0);
    }
}

}  // namespace examples
