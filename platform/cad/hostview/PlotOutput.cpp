#include "platform/cad/hostview/PlotOutput.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/hostview/PlotPreview.h"
#include "platform/cad/hostview/PlotWriter.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/PlotJob.h"

#include <QDir>

namespace hostview {

PlotOutput::PlotOutput(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), clock_([] { return QDateTime::currentDateTime(); })
{
}

void PlotOutput::plotted(const standin::PlotJob& job, const std::shared_ptr<standin::Document>& document)
{
    const PlotWriter::Result result = PlotWriter::write(job, *document->drawing(), folder_, clock_());
    if (!result.problem.isEmpty()) {
        emit plotFailed(result.problem);
        cad::raise(cad::err::ExceptionOccurred, result.problem);
    }
    emit plotWritten(result.path);
}

void PlotOutput::previewed(const standin::PlotJob& job, const std::shared_ptr<standin::Document>& document)
{
    auto* preview = new PlotPreview(job, document->drawing());
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->resize(preview->sizeHint());
    preview->show();
    preview->raise();
    emit previewOpened(preview);
}

QStringList PlotOutput::plots() const
{
    const QDir dir(folder_);
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time))
        paths.append(dir.filePath(name));
    return paths;
}

}  // namespace hostview
