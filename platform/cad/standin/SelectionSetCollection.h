#pragma once
// The selection sets of a stand-in document. Names are matched exactly,
// letter case included; a drawing replaced in the document takes its sets
// with it.

#include "platform/cad/SelectionSets.h"

#include <memory>
#include <vector>

namespace standin {

class Document;
class HostContext;
class SelectionSet;

class SelectionSetCollection : public cad::SelectionSets,
                               public std::enable_shared_from_this<SelectionSetCollection> {
public:
    SelectionSetCollection(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context);

    int count() const override;
    std::shared_ptr<cad::SelectionSet> item(int index) const override;
    std::shared_ptr<cad::SelectionSet> item(const QString& name) const override;
    std::vector<std::shared_ptr<cad::SelectionSet>> items() const override;
    std::shared_ptr<cad::SelectionSet> add(const QString& name) override;

    void forget(const SelectionSet* set);
    // Deletes every set (the document's drawing was replaced).
    void clearAll();

private:
    void enter(const QString& member) const;
    std::shared_ptr<SelectionSet> find(const QString& name) const;

    std::weak_ptr<Document> document_;
    std::shared_ptr<HostContext> context_;
    std::vector<std::shared_ptr<SelectionSet>> sets_;
};

}  // namespace standin
