#pragma once
// The host's open documents, as a tool holds them.

#include "platform/cad/Documents.h"
#include "platform/cad/remote/CollectionProxy.h"

namespace remote {

class DocumentsProxy : public CollectionProxy<cad::Documents, cad::Document> {
public:
    using CollectionProxy::CollectionProxy;

    std::shared_ptr<cad::Document> add(const QString& templatePath) override { return call(&cad::Documents::add, templatePath); }
};

}  // namespace remote
