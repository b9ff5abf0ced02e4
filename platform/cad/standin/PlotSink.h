#pragma once
// Where the host's plots and previews go beyond the job it records: the host
// program writes each plot out as a page a person can open and shows each
// preview in a window. The stand-in tells the sink after it has recorded the
// job, so the jobs stay readable as they are whether a sink is set or not. An
// error the sink raises reaches the tool as the failure of its plot call.

#include <memory>

namespace standin {

class Document;
struct PlotJob;

class PlotSink {
public:
    virtual ~PlotSink() = default;
    // The document was plotted to the job's device.
    virtual void plotted(const PlotJob& job, const std::shared_ptr<Document>& document) = 0;
    // The document's plot was previewed; nothing went to the device.
    virtual void previewed(const PlotJob& job, const std::shared_ptr<Document>& document) = 0;
};

}  // namespace standin
