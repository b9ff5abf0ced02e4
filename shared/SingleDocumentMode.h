#pragma once
// The host's single-document setting ("SDI") as the batch tools handle it: the
// value is read and kept, switched to 1 for the work when the host is in
// multiple-document mode with at most one drawing open, and put back as it was
// read. Only a value that was read is ever written back. The value is read as
// the host gives it (a number, or text holding one) and converted one way.

#include <QString>
#include <cstdint>
#include <optional>

namespace forms { class Interaction; }

namespace suite {

struct AcadConnection;

class SingleDocumentMode {
public:
    explicit SingleDocumentMode(const AcadConnection& connection) : connection_(connection) {}

    // Reads the host's setting and keeps it. Raises as the host does.
    int16_t save();
    const std::optional<int16_t>& saved() const { return saved_; }

    // The host's setting as it is now, not kept. Raises as the host does.
    int16_t current() const;

    // With the saved setting 0 (multiple documents): when two or more drawings
    // are open, shows `closeThem` (information icon) and returns false, the
    // mode unchanged; otherwise sets "SDI" to 1. With any other saved setting,
    // or none, nothing changes. Raises as the host does.
    bool switchOn(forms::Interaction& ui, const QString& closeThem);
    // The same, judged by a setting read since (a second batch finds the mode
    // the first one put back, or one the user changed in the host meanwhile).
    bool switchOn(forms::Interaction& ui, const QString& closeThem, int16_t current);

    // Sets "SDI" back to the saved value, when one was saved. Raises as the
    // host does.
    void putBack();
    // As putBack on a way out that goes on whatever happens (the program's
    // end, the end of a batch): a host that refuses or has gone is passed over.
    void putBackPassingOver();

private:
    const AcadConnection& connection_;
    std::optional<int16_t> saved_;
};

}  // namespace suite
