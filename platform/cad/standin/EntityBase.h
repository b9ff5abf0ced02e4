#pragma once
// What every entity of the stand-in host shares: its type number and class
// name, handle, layer, the block that holds it, Update and Delete; the
// property helpers each kind writes its members with; and the stand-in's own
// needs: the names it refers to (for purge, renames and the file checks),
// where it may stand, copying into another drawing, writing to a file, its
// shape for a drawing view, and a line describing it for the selection
// dialog. A kind is read from a file through the table in EntityKinds.

#include "platform/cad/Entity.h"
#include "platform/cad/standin/DrawingObject.h"
#include "platform/cad/standin/SymbolReferences.h"
#include "platform/cad/standin/SymbolRenames.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace standin {

class Block;
class RecordWriter;
class ShapeVisitor;

class EntityBase : public virtual cad::Entity, public DrawingObject {
public:
    EntityBase(int type, QString className) : type_(type), className_(std::move(className)) {}

    int entityType() const override;
    QString entityName() const override;
    QString layer() const override;
    void setLayer(const QString& layer) override;
    void update() override;
    void remove() override;

    const QString& handle() const { return handle_; }
    const QString& layerName() const { return layer_; }
    void setLayerName(const QString& layer) { layer_ = layer; }

    // Puts the entity into a block of a drawing under the handle.
    virtual void place(std::weak_ptr<Drawing> drawing, std::weak_ptr<Block> owner, const QString& handle);

    // A name the entity refers to: the table it names an entry of, and the
    // field that holds it.
    struct NameRef {
        SymbolKind kind;
        QString* name;
    };
    // Every name the entity refers to, its layer first. A kind that refers to
    // more (a style, a block) adds its fields after calling this one.
    virtual void listNames(std::vector<NameRef>& names);
    std::vector<std::pair<SymbolKind, QString>> referencedNames() const;
    void collectReferences(SymbolReferences& references) const;
    void renameReferences(const SymbolRenames& renames);

    // Why the entity cannot stand in `block` of `drawing` as a file placed
    // it; empty where it may.
    virtual QString misplacement(const Drawing& drawing, const Block& block) const;
    // The points along the entity's path, in order, for a hatch's boundary;
    // empty for a kind that cannot bound an area.
    virtual std::vector<cad::Point> outline() const { return {}; }

    // A copy not yet placed anywhere.
    virtual std::shared_ptr<EntityBase> clone() const = 0;
    virtual void write(RecordWriter& writer) const = 0;
    virtual void accept(ShapeVisitor& visitor) const = 0;
    QString describe() const;

protected:
    static QString member(const char* name) { return QStringLiteral("Entity.") + QLatin1String(name); }

    // The entity's property `name` ("Entity.<name>"): read with the guards,
    // written journalled with the handle and the value, then checked (see
    // DrawingObject::set).
    template <class T>
    T property(const char* name, const T& field) const
    {
        return get(member(name), field);
    }
    template <class T, class... Checks>
    void setProperty(const char* name, T& field, const std::type_identity_t<T>& value, Checks&&... checks)
    {
        set(member(name), handle_, field, value, std::forward<Checks>(checks)...);
    }

    // The common leading fields of a record: keyword, handle, layer.
    void writeHead(RecordWriter& writer, const QString& keyword) const;
    // Shown after the class name in describe().
    virtual QString detail() const { return QString(); }

private:
    int type_;
    QString className_;
    QString handle_;
    QString layer_ = QStringLiteral("0");
    std::weak_ptr<Block> owner_;
};

}  // namespace standin
