#pragma once
// A symbol table of a drawing in the host (layers, linetypes, text and
// dimension styles) as a tool holds it: a collection whose Add yields the
// entry of that name.

#include "platform/cad/remote/CollectionProxy.h"

namespace remote {

template <class I, class T>
class TableProxy : public CollectionProxy<I, T> {
public:
    using CollectionProxy<I, T>::CollectionProxy;

    std::shared_ptr<T> add(const QString& name) override { return this->call(&cad::Table<T>::add, name); }
};

}  // namespace remote
