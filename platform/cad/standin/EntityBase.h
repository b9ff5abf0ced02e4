#pragma once
// What every entity of the stand-in host shares: its type number and class
// name, handle, layer, the block that holds it, Update and Delete; and the
// stand-in's own needs: copying into another drawing, writing to a file, the
// names it refers to, and a line describing it for the selection dialog.

#include "platform/cad/Entity.h"
#include "platform/cad/standin/DrawingObject.h"
#include "platform/cad/standin/SymbolReferences.h"
#include "platform/cad/standin/SymbolRenames.h"

#include <QString>
#include <memory>

namespace standin {

class Block;
class RecordWriter;

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
    int rawType() const { return type_; }
    const QString& rawClassName() const { return className_; }
    std::shared_ptr<Block> ownerBlock() const { return owner_.lock(); }

    // Puts the entity into a block of a drawing under the handle.
    virtual void place(std::weak_ptr<Drawing> drawing, std::weak_ptr<Block> owner, const QString& handle);

    virtual void collectReferences(SymbolReferences& references) const;
    virtual void renameReferences(const SymbolRenames& renames);
    // A copy not yet placed anywhere.
    virtual std::shared_ptr<EntityBase> clone() const = 0;
    virtual void write(RecordWriter& writer) const = 0;
    QString describe() const;

protected:
    static QString member(const char* name) { return QStringLiteral("Entity.") + QLatin1String(name); }
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
