#include "platform/cad/standin/Plot.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/DeviceCatalogue.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/PlotSink.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

Plot::Plot(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context)
    : document_(std::move(document)), context_(std::move(context))
{
}

int Plot::numberOfCopies() const
{
    Document::lockOpen(document_);
    context_->enter(QStringLiteral("Plot.NumberOfCopies"));
    return copies_;
}

void Plot::setNumberOfCopies(int copies)
{
    Document::lockOpen(document_);
    context_->act(QStringLiteral("Plot.NumberOfCopies"), QString::number(copies));
    // Assumption: from 1 to 1000 copies.
    Validate::range(copies, 1, 1000, QStringLiteral("the number of copies"));
    copies_ = copies;
}

void Plot::plotToDevice()
{
    Document::lockOpen(document_);
    context_->act(QStringLiteral("Plot.PlotToDevice"));
    record(false, 0);
}

void Plot::displayPlotPreview(int previewType)
{
    Document::lockOpen(document_);
    context_->act(QStringLiteral("Plot.DisplayPlotPreview"), QString::number(previewType));
    Validate::range(previewType, 0, 1, QStringLiteral("the preview type"));
    record(true, previewType);
}

void Plot::record(bool preview, int previewType)
{
    const std::shared_ptr<Document> document = Document::lockOpen(document_);
    const std::shared_ptr<Drawing> drawing = document->drawing();
    const std::shared_ptr<Layout> layout = drawing->tileMode() ? drawing->modelLayout() : drawing->paperLayout();
    const PlotSettings& s = layout->settings();
    // Assumption: nothing can be plotted or previewed without a device and a
    // paper.
    if (s.device == DeviceCatalogue::NoDevice || s.media.isEmpty())
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no plot device or paper is set"));
    if (s.plotType == cad::plotType::Window && !s.hasWindow)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no plot window is set"));
    PlotJob job;
    job.preview = preview;
    job.previewType = previewType;
    job.drawing = document->fullNameRaw().isEmpty() ? document->nameRaw() : document->fullNameRaw();
    job.layout = layout->rawName();
    job.device = s.device;
    job.media = s.media;
    job.rotation = s.rotation;
    job.plotType = s.plotType;
    job.standardScale = s.standardScale;
    job.centered = s.center;
    job.origin = layout->origin();
    job.styleSheet = s.styleSheet;
    job.plotWithPlotStyles = s.withPlotStyles;
    job.copies = copies_;
    job.hasWindow = s.hasWindow;
    job.windowLowerLeft = s.windowLowerLeft;
    job.windowUpperRight = s.windowUpperRight;
    context_->plotJobs().push_back(job);
    if (PlotSink* sink = context_->plotSink()) {
        if (preview)
            sink->previewed(job, document);
        else
            sink->plotted(job, document);
    }
}

}  // namespace standin
