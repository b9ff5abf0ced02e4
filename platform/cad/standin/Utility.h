#pragma once
// A document's point prompt: asks the host's user, keeps the command line's
// last prompt, and applies ortho mode to a point picked against a base point.

#include "platform/cad/Utility.h"

#include <memory>

namespace standin {

class Document;
class HostContext;

class Utility : public cad::Utility {
public:
    Utility(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context);

    cad::Point getPoint(const std::optional<cad::Point>& base, const QString& prompt) override;

private:
    std::weak_ptr<Document> document_;
    std::shared_ptr<HostContext> context_;
};

}  // namespace standin
