#pragma once
// The connection a tool holds to the running CAD host: the application and the
// document that was active at the last successful attach. Each tool keeps one
// for its whole life; where the original kept it (a module or the main form) is
// only a matter of which object owns this value.

#include <memory>

namespace cad { class Application; class Document; }

namespace suite {

struct AcadConnection {
    std::shared_ptr<cad::Application> application;
    std::shared_ptr<cad::Document> document;

    // Set while an attach failure is being reported, so that timer ticks that
    // arrive while its box is open do not pile up further boxes.
    bool reportingFailure = false;
};

}  // namespace suite
