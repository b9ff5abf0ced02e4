#pragma once
// The connection a tool holds to the running CAD host: the application and the
// document that was active at the last successful attach. Each tool keeps one
// for its whole life, in its program state.

#include <memory>

namespace cad { class Application; class Document; }

namespace suite {

struct AcadConnection {
    std::shared_ptr<cad::Application> application;
    std::shared_ptr<cad::Document> document;

    // Set while an attach failure is being reported, so that timer ticks that
    // arrive while its box is open do not pile up further boxes.
    bool reportingFailure = false;

    // The held objects; 91 when the attach never fetched them, as a call on an
    // object variable that was never set raises.
    cad::Application& app() const;
    cad::Document& doc() const;
};

}  // namespace suite
