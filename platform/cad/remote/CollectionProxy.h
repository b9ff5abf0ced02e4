#pragma once
// The members every host collection shares (count, item by index or by name,
// items), forwarded once for all collection proxies; I is the collection's
// interface, T its element.

#include "platform/cad/Collection.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

template <class I, class T>
class CollectionProxy : public I, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    int count() const override { return call(&cad::Collection<T>::count); }
    std::shared_ptr<T> item(int index) const override { return call(overload<std::shared_ptr<T>(int) const>(&cad::Collection<T>::item), index); }
    std::shared_ptr<T> item(const QString& name) const override { return call(overload<std::shared_ptr<T>(const QString&) const>(&cad::Collection<T>::item), name); }
    std::vector<std::shared_ptr<T>> items() const override { return call(&cad::Collection<T>::items); }
};

}  // namespace remote
