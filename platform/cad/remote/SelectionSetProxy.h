#pragma once
// A selection set of a document in the host, as a tool holds it. Selecting
// on screen waits for the person at the host, without a time limit.

#include "platform/cad/SelectionSet.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class SelectionSetProxy : public cad::SelectionSet, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::SelectionSet::name); }
    int count() const override { return call(&cad::SelectionSet::count); }
    std::shared_ptr<cad::Entity> item(int index) const override { return call(&cad::SelectionSet::item, index); }
    std::vector<std::shared_ptr<cad::Entity>> items() const override { return call(&cad::SelectionSet::items); }
    void addItems(const std::vector<std::shared_ptr<cad::Entity>>& entities) override { return call(&cad::SelectionSet::addItems, entities); }
    void clear() override { return call(&cad::SelectionSet::clear); }
    void selectOnScreen() override { return call(&cad::SelectionSet::selectOnScreen); }
    void remove() override { return call(&cad::SelectionSet::remove); }
};

}  // namespace remote
