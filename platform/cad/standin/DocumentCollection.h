#pragma once
// The host's open documents as the tools see them.

#include "platform/cad/Documents.h"

#include <memory>

namespace standin {

class Host;
class HostContext;

class DocumentCollection : public cad::Documents {
public:
    DocumentCollection(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context);

    int count() const override;
    std::shared_ptr<cad::Document> item(int index) const override;
    std::shared_ptr<cad::Document> item(const QString& name) const override;
    std::vector<std::shared_ptr<cad::Document>> items() const override;
    std::shared_ptr<cad::Document> add(const QString& templatePath) override;

private:
    std::shared_ptr<Host> host() const;

    std::weak_ptr<Host> host_;
    std::shared_ptr<HostContext> context_;
};

}  // namespace standin
