#include "platform/cad/hostview/PlotWriter.h"

#include "platform/cad/hostview/SheetPainter.h"
#include "platform/files/WinPath.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

namespace hostview {

namespace {

QString fileSafe(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return text;
}

}  // namespace

void PlotWriter::paint(QPainter& painter, const QRectF& page, const PlotSheet& sheet, const standin::Drawing& drawing)
{
    painter.save();
    painter.fillRect(page, Qt::white);
    painter.setClipRect(page, Qt::IntersectClip);
    const QTransform toPage = sheet.toPage(page);
    if (sheet.clipsToArea()) {
        QPainterPath area;
        area.addRect(sheet.area());
        painter.setClipPath(toPage.map(area), Qt::IntersectClip);
    }
    SheetPainter sheetPainter(drawing);
    sheetPainter.setBackground(Background::Paper);
    sheetPainter.setPenTable(sheet.pens());
    sheetPainter.setLineWidth(sheet.lineWidth(page));
    sheetPainter.paint(painter, toPage, sheet.space());
    painter.restore();
}

QString PlotWriter::fileName(const standin::PlotJob& job, const QDateTime& when)
{
    const QString drawing = files::WinPath::baseName(job.drawing);
    return fileSafe(QStringLiteral("%1-%2-%3").arg(drawing, job.layout, when.toString(QStringLiteral("yyyyMMdd-HHmmss"))))
           + QStringLiteral(".pdf");
}

PlotWriter::Result PlotWriter::write(const standin::PlotJob& job, const standin::Drawing& drawing,
                                     const QString& folder, const QDateTime& when)
{
    Result result;
    const PlotSheet sheet = PlotSheet::of(job, drawing);
    if (!sheet.isValid()) {
        result.problem = sheet.problem();
        return result;
    }
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        result.problem = QStringLiteral("cannot make the plot folder %1").arg(folder);
        return result;
    }
    const QString name = fileName(job, when);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(name.chopped(4) + QStringLiteral("-%1.pdf").arg(n));

    QPdfWriter pdf(path);
    pdf.setCreator(QStringLiteral("CAD host"));
    pdf.setTitle(QStringLiteral("%1 - %2").arg(files::WinPath::fileName(job.drawing), job.layout));
    pdf.setPageLayout(sheet.pageLayout());
    QPainter painter;
    if (!painter.begin(&pdf)) {
        result.problem = QStringLiteral("cannot write the plot file %1").arg(path);
        return result;
    }
    const QRectF page(QPointF(0, 0), pdf.pageLayout().fullRectPixels(pdf.resolution()).size());
    paint(painter, page, sheet, drawing);
    painter.end();
    result.path = path;
    return result;
}

}  // namespace hostview
