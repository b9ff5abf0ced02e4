#pragma once
// A document's plot object: plots or previews the active layout and records
// the job in the host.

#include "platform/cad/Plot.h"

#include <memory>

namespace standin {

class Document;
class HostContext;

class Plot : public cad::Plot {
public:
    Plot(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context);

    int numberOfCopies() const override;
    void setNumberOfCopies(int copies) override;
    void plotToDevice() override;
    void displayPlotPreview(int previewType) override;

private:
    void record(bool preview, int previewType);

    std::weak_ptr<Document> document_;
    std::shared_ptr<HostContext> context_;
    int copies_ = 1;
};

}  // namespace standin
