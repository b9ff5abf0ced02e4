#pragma once
// The side of the "Pick Files" window that its owner implements: the list the
// picked files go to, and the folders the window asks it for.

#include "shared/StepRunner.h"

#include <QString>

namespace suite {

class PickFilesOwner {
public:
    virtual ~PickFilesOwner() = default;

    // Adds a picked file's full path to the owner's list; the picker calls it
    // once per accepted file, in the file list's order.
    virtual void Batchlist1sub(const QString& fileToAdd) = 0;

    // The folder "Current Project" goes to. May raise runtime::Error; the
    // picker then leaves its lists where they were and reports through
    // reportProjectError.
    virtual QString projectFolder() { return {}; }

    // How a failure of "Current Project" is reported. Retry tries the whole
    // move again; any other answer gives up. Owners without a report of their
    // own pass over the failure.
    virtual Resume reportProjectError(const runtime::Error&) { return Resume::Leave; }

    // The stored folder a picker that starts from one opens in; "" for none.
    virtual QString startFolder() { return {}; }

    // For a picker whose Accept takes one file: the file list's folder and the
    // picked name ("" when nothing is picked). True closes the picker.
    virtual bool takePickedFile(const QString& folder, const QString& fileName)
    {
        Q_UNUSED(folder);
        Q_UNUSED(fileName);
        return true;
    }
};

}  // namespace suite
