#pragma once
// The entity kinds a drawing file may hold, each by the keyword that starts
// its record, with the function that reads the rest of the record.
//
// A new kind is its own class derived from EntityBase (its Keyword, the
// Entity members it has, clone, write, a static read, accept with a shape;
// listNames when it refers to named objects, outline when it can bound a
// hatch, misplacement when it may stand only in some blocks), one line in the
// table in EntityKinds.cpp, and the Block method that adds it. Reading,
// checking, purging, renaming and copying need nothing more.

#include <QString>
#include <QStringList>
#include <memory>

namespace standin {

class EntityBase;
class RecordReader;

// The records after an entity's own that belong to it (a block reference's
// attributes), for its reader to take.
class EntityStream {
public:
    virtual ~EntityStream() = default;
    // The next record, which must be an entity of the kind `keyword`: read,
    // checked and given its handle, not yet placed in a block.
    virtual std::shared_ptr<EntityBase> nested(const QString& keyword) = 0;
};

struct EntityKind {
    using Reader = std::shared_ptr<EntityBase> (*)(RecordReader& record, EntityStream& following);

    QString keyword;
    // Reads the fields after the record's head (keyword, handle, layer).
    Reader read = nullptr;
    // Stands only among another entity's records, never in a block of its
    // own accord.
    bool nested = false;
};

class EntityKinds {
public:
    // Null for a keyword no kind has.
    static const EntityKind* find(const QString& keyword);
    static QStringList keywords();
};

}  // namespace standin
