#pragma once
// A named selection set of a document, filled by the user on screen.

#include "platform/cad/Entity.h"

#include <QString>
#include <memory>
#include <vector>

namespace cad {

class SelectionSet {
public:
    virtual ~SelectionSet() = default;
    virtual QString name() const = 0;
    virtual int count() const = 0;
    virtual std::shared_ptr<Entity> item(int index) const = 0;
    virtual std::vector<std::shared_ptr<Entity>> items() const = 0;
    virtual void addItems(const std::vector<std::shared_ptr<Entity>>& entities) = 0;
    virtual void clear() = 0;
    // Lets the user pick objects; afterwards the document's "lastprompt" tells
    // whether the selection was completed, cancelled or interrupted.
    virtual void selectOnScreen() = 0;
    // The host's Delete: removes the set from the document.
    virtual void remove() = 0;
};

}  // namespace cad
