#pragma once
// A named selection set of a stand-in document. SelectOnScreen hands the
// objects of the space the user works in to the host's user and takes what
// comes back; the answer also sets the command line's last prompt.

#include "platform/cad/SelectionSet.h"

#include <memory>
#include <vector>

namespace standin {

class Document;
class HostContext;
class SelectionSetCollection;

class SelectionSet : public cad::SelectionSet {
public:
    SelectionSet(std::weak_ptr<Document> document, std::weak_ptr<SelectionSetCollection> owner,
                 std::shared_ptr<HostContext> context, QString name);

    QString name() const override;
    int count() const override;
    std::shared_ptr<cad::Entity> item(int index) const override;
    std::vector<std::shared_ptr<cad::Entity>> items() const override;
    void addItems(const std::vector<std::shared_ptr<cad::Entity>>& entities) override;
    void clear() override;
    void selectOnScreen() override;
    void remove() override;

    const QString& rawName() const { return name_; }
    // The set was deleted or its document's drawing replaced.
    void markDeleted() { deleted_ = true; }

private:
    void enter(const QString& member) const;
    void act(const QString& member) const;
    void addUnique(const std::vector<std::shared_ptr<cad::Entity>>& entities);

    std::weak_ptr<Document> document_;
    std::weak_ptr<SelectionSetCollection> owner_;
    std::shared_ptr<HostContext> context_;
    QString name_;
    std::vector<std::shared_ptr<cad::Entity>> entities_;
    bool deleted_ = false;
};

}  // namespace standin
