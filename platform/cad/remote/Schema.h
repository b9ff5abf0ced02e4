#pragma once
// Every interface of the object model with its members: built once from the
// member table (MemberTable.cpp) and read by both ends from then on.

#include "platform/cad/remote/InterfaceInfo.h"

#include <QHash>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace remote {

template <class K>
class InterfaceBuilder;

class Schema {
public:
    static const Schema& instance();

    // The interface of a C++ type of the object model; a type missing from
    // the table is a fault of this library (raised as the host's exception).
    const InterfaceInfo& of(std::type_index type) const;
    const InterfaceInfo* byWireName(const QString& wireName) const;
    const InterfaceInfo* byName(const QString& name) const;
    const std::vector<std::unique_ptr<InterfaceInfo>>& interfaces() const { return interfaces_; }

private:
    template <class K>
    friend class InterfaceBuilder;

    Schema();
    // The member table.
    void defineInterfaces();
    template <class K>
    InterfaceBuilder<K> define(const char* name);
    InterfaceInfo& mutableOf(std::type_index type);

    std::vector<std::unique_ptr<InterfaceInfo>> interfaces_;
    std::unordered_map<std::type_index, InterfaceInfo*> byType_;
    QHash<QString, InterfaceInfo*> byName_;
};

template <class T>
const InterfaceInfo& interfaceOf()
{
    return Schema::instance().of(std::type_index(typeid(T)));
}

}  // namespace remote
