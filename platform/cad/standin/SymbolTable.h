#pragma once
// A table of named entries of one drawing, in the order they were added:
// Count, Item by index or by name (without regard to case) and iteration, with
// the host guards; plus the stand-in's own unguarded access for the code that
// reads, purges and binds drawings.

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/DrawingObject.h"
#include "platform/cad/standin/Validate.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace standin {

template <class Interface, class Record, class Base>
class SymbolTable : public Base, public DrawingObject {
public:
    SymbolTable(std::weak_ptr<Drawing> drawing, QString label)
        : DrawingObject(std::move(drawing)), label_(std::move(label))
    {
    }

    int count() const override
    {
        enter(label_ + QStringLiteral(".Count"));
        return static_cast<int>(records_.size());
    }

    std::shared_ptr<Interface> item(int index) const override
    {
        enter(label_ + QStringLiteral(".Item"));
        if (index < 0 || index >= static_cast<int>(records_.size()))
            cad::raise(cad::err::InvalidArgument, QStringLiteral("%1 has no item %2").arg(label_).arg(index));
        return records_[static_cast<size_t>(index)];
    }

    std::shared_ptr<Interface> item(const QString& name) const override
    {
        enter(label_ + QStringLiteral(".Item"));
        std::shared_ptr<Record> record = find(name);
        if (!record)
            cad::raise(cad::err::KeyNotFound, QStringLiteral("%1 has no item %2").arg(label_, name));
        return record;
    }

    std::vector<std::shared_ptr<Interface>> items() const override
    {
        enter(label_ + QStringLiteral(".Item"));
        return {records_.begin(), records_.end()};
    }

    const std::vector<std::shared_ptr<Record>>& records() const { return records_; }

    std::shared_ptr<Record> find(const QString& name) const
    {
        for (const auto& record : records_) {
            if (record->rawName().compare(name, Qt::CaseInsensitive) == 0)
                return record;
        }
        return nullptr;
    }

    void insert(std::shared_ptr<Record> record) { records_.push_back(std::move(record)); }

    void erase(const std::shared_ptr<Record>& record)
    {
        record->markErased();
        records_.erase(std::remove(records_.begin(), records_.end(), record), records_.end());
    }

protected:
    const QString& label() const { return label_; }

    // The entry of that name, or a new one after the naming rules.
    std::shared_ptr<Record> addNamed(const QString& name)
    {
        if (std::shared_ptr<Record> existing = find(name))
            return existing;
        Validate::symbolName(name);
        auto record = std::make_shared<Record>(weakDrawing(), name);
        insert(record);
        return record;
    }

private:
    QString label_;
    std::vector<std::shared_ptr<Record>> records_;
};

// A table whose Add takes only a name.
template <class Interface, class Record, class Base = cad::Table<Interface>>
class NamedTable : public SymbolTable<Interface, Record, Base> {
public:
    using SymbolTable<Interface, Record, Base>::SymbolTable;

    std::shared_ptr<Interface> add(const QString& name) override
    {
        this->change(this->label() + QStringLiteral(".Add"), name);
        return this->addNamed(name);
    }
};

}  // namespace standin
