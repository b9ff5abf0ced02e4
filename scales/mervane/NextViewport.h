#pragma once
// Which paper-space viewport "Next VPort" moves to: the floating viewports of
// the layout in the order paper space holds them, after the one that is
// current now, wrapping round to the first. The overall viewport (the sheet
// itself, always the first viewport of paper space) is never chosen, and other
// entities drawn in paper space are passed over.

#include <memory>
#include <vector>

namespace cad { class Document; class PViewport; }

namespace mervane {

class NextViewport {
public:
    // The floating viewports of the document's paper space, in order.
    static std::vector<std::shared_ptr<cad::PViewport>> floatingViewports(cad::Document& document);

    // The viewport after the current one; the first floating viewport when
    // the current one is not floating; null when there is none. The current
    // viewport is only asked for when there is a floating viewport.
    static std::shared_ptr<cad::PViewport> after(cad::Document& document);
};

}  // namespace mervane
