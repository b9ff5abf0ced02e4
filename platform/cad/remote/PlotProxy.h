#pragma once
// The plot object of a document in the host, as a tool holds it. A preview
// waits for the person at the host, without a time limit.

#include "platform/cad/Plot.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class PlotProxy : public cad::Plot, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    int numberOfCopies() const override { return call(&cad::Plot::numberOfCopies); }
    void setNumberOfCopies(int copies) override { return call(&cad::Plot::setNumberOfCopies, copies); }
    void plotToDevice() override { return call(&cad::Plot::plotToDevice); }
    void displayPlotPreview(int previewType) override { return call(&cad::Plot::displayPlotPreview, previewType); }
};

}  // namespace remote
