#pragma once
// The example project a new user can run a batch on: a title block drawing with
// attribute definitions, four sheets that insert it in paper space with their
// own attribute texts (one of them also references a site plan as an xref, and
// one is meant to be made read-only), and the site plan itself. The drawings
// are written by the stand-in host's own save, so their format is always the
// one the host reads.

#include <QString>
#include <QStringList>

namespace files { class FileSystem; }
namespace standin { class Document; }

namespace examples {

class ExampleProject {
public:
    static const QString DefaultFolder;     // C:\Pollent
    static const QString TitleBlockName;    // the title block's block name
    static const QString XrefSheet;         // the sheet that references the site plan
    static const QString ReadOnlySheet;     // the sheet to make read-only
    static const QString DraftStampName;    // a block reference to try "Delete Block" on

    // The project goes into `folder` (a Windows-style path whose parent
    // exists); the xref path stored in the drawings names that folder.
    ExampleProject(files::FileSystem& files, QString folder);

    // Writes every drawing, the title block and the site plan first, and
    // returns the paths written. Raises runtime::Error when one cannot be.
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
    void drawPlan(standin::Document& document, double offset);
    void insertTitleBlock(standin::Document& document, const Sheet& sheet);

    files::FileSystem& files_;
    QString folder_;
};

}  // namespace examples
