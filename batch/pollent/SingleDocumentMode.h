#pragma once
// The host's single-document setting ("SDI") as Pollent handles it: read and
// kept when the main window loads, switched on when the host is in
// multiple-document mode with at most one drawing open, and put back when a
// run finishes and when the program ends. Only a value that was read is
// written back, and it is written back as it was read.

#include <cstdint>

namespace pollent {

struct Session;

class SingleDocumentMode {
public:
    // The host's current setting, as a 16-bit integer.
    static int16_t read(Session& session);

    // With the host in multiple-document mode: when two or more drawings are
    // open, asks the user to close them and returns false (the mode stays);
    // otherwise sets "SDI" to 1. In single-document mode nothing changes.
    static bool switchOn(Session& session, int16_t current);

    // Sets "SDI" back to the saved value, when one was read. Raises as the
    // host does.
    static void putBack(Session& session);

    // As putBack on the way out of the program: a host that refuses or has
    // gone is passed over, since the program ends either way.
    static void putBackAtEnd(Session& session);
};

}  // namespace pollent
