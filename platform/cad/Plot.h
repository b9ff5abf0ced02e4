#pragma once
// The document's plot object: plots the active layout with its configuration.

namespace cad {

class Plot {
public:
    virtual ~Plot() = default;
    virtual int numberOfCopies() const = 0;
    virtual void setNumberOfCopies(int copies) = 0;
    virtual void plotToDevice() = 0;
    // 1 full preview, 0 partial.
    virtual void displayPlotPreview(int previewType) = 0;
};

}  // namespace cad
