#pragma once
// The shape every host collection shares: a count, items by 0-based index or
// by name (matched without regard to case), and iteration in collection order.
// A missing name raises KeyNotFound, an index outside the collection
// InvalidArgument. items() is a snapshot, so the walk may change the
// collection.

#include <QString>
#include <memory>
#include <vector>

namespace cad {

template <class T>
class Collection {
public:
    virtual ~Collection() = default;
    virtual int count() const = 0;
    virtual std::shared_ptr<T> item(int index) const = 0;
    virtual std::shared_ptr<T> item(const QString& name) const = 0;
    virtual std::vector<std::shared_ptr<T>> items() const = 0;
};

// A symbol table: Add yields the existing entry of that name or a new one
// with default properties.
template <class T>
class Table : public Collection<T> {
public:
    virtual std::shared_ptr<T> add(const QString& name) = 0;
};

}  // namespace cad
