#pragma once
// The example project a new user can try the suite on: a title block drawing
// with attribute definitions, five sheets that insert it in paper space with
// their own attribute texts and a viewport on the plan (one of them also
// references a site plan as an xref, and one is meant to be made read-only),
// the site plan itself, a drawing template beside them, a library of blocks
// in the project's "Libraries" folder, and an AutoLISP file at the root of the
// project's drive, where the loader looks first. The
// drawings are written by the stand-in host's own save, so their format is
// always the one the host reads; with a thumbnail maker each carries its
// preview, as the host program's saves do.

#include "platform/cad/Point.h"

#include <QString>
#include <QStringList>

namespace files { class FileSystem; }
namespace standin {
class Document;
class ThumbnailMaker;
}

namespace examples {

class ExampleProject {
public:
    static const QString DefaultFolder;     // C:\Pollent
    static const QString TitleBlockName;    // the title block's block name
    static const QString XrefSheet;         // the sheet that references the site plan
    static const QString ReadOnlySheet;     // the sheet to make read-only
    static const QString DraftStampName;    // a block reference to try "Delete Block" on
    static const QString TemplateFile;      // A3-SHEET.dwt, in the project folder
    static const QString LispFile;          // ROOMTAG.lsp, at the root of the drive
    static const QString LibraryFolder;     // Libraries, the project's blocks
    // Paper units per model unit of every sheet's viewport.
    static constexpr double ViewportScale = 2.5;

    // The project goes into `folder` (a Windows-style path with a drive,
    // whose parent exists); the xref path stored in the drawings names that
    // folder. Without a thumbnail maker the drawings carry no preview.
    ExampleProject(files::FileSystem& files, QString folder, const standin::ThumbnailMaker* thumbnails = nullptr);

    // Writes every drawing, the title block and the site plan first, then
    // the template, the library and the AutoLISP file, and returns the paths
    // written.
    // Raises runtime::Error when one cannot be.
    QStringList write();

    // The four sheets, in name order.
    static QStringList sheets();

private:
    struct Sheet {
        QString file;
        QString title;
        QString date;
        QString revision;
    };

    QString pathOf(const QString& file) const;
    void writeTitleBlock(standin::Document& document);
    void writeSitePlan(standin::Document& document);
    void writeSheet(standin::Document& document, const Sheet& sheet);
    void writeTemplate(standin::Document& document);
    void writeNorthArrow(standin::Document& document);
    void writeDoor(standin::Document& document);
    void drawPlan(standin::Document& document, double offset);
    void annotatePlan(standin::Document& document, const Sheet& sheet, double offset);
    // The title block in paper space with the sheet's texts, and a viewport
    // on model space centred on `centre`.
    void layOutSheet(standin::Document& document, const Sheet& sheet, const cad::Point& centre);
    void usePenTable(standin::Document& document);
    QString lispPath() const;

    files::FileSystem& files_;
    QString folder_;
    const standin::ThumbnailMaker* thumbnails_;
};

}  // namespace examples
