#include "platform/cad/standin/EntityBase.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

int EntityBase::entityType() const { return property("EntityType", type_); }

QString EntityBase::entityName() const { return property("EntityName", className_); }

QString EntityBase::layer() const { return property("Layer", layer_); }

void EntityBase::setLayer(const QString& layer)
{
    // Assumption: an entity can only go onto a layer the drawing has.
    setProperty("Layer", layer_, layer, Validate::layer);
}

void EntityBase::update() { act(member("Update"), handle_); }

void EntityBase::remove()
{
    change(member("Delete"), handle_);
    if (std::shared_ptr<Block> owner = owner_.lock())
        owner->detachEntity(this);
    markErased();
}

void EntityBase::place(std::weak_ptr<Drawing> drawing, std::weak_ptr<Block> owner, const QString& handle)
{
    rebind(std::move(drawing));
    owner_ = std::move(owner);
    handle_ = handle;
}

void EntityBase::listNames(std::vector<NameRef>& names) { names.push_back({SymbolKind::Layer, &layer_}); }

std::vector<std::pair<SymbolKind, QString>> EntityBase::referencedNames() const
{
    // Listing hands out the fields for renaming too; here they are only read.
    std::vector<NameRef> fields;
    const_cast<EntityBase*>(this)->listNames(fields);
    std::vector<std::pair<SymbolKind, QString>> names;
    for (const NameRef& field : fields)
        names.emplace_back(field.kind, *field.name);
    return names;
}

void EntityBase::collectReferences(SymbolReferences& references) const
{
    for (const auto& [kind, name] : referencedNames())
        references.add(kind, name);
}

void EntityBase::renameReferences(const SymbolRenames& renames)
{
    std::vector<NameRef> fields;
    listNames(fields);
    for (const NameRef& field : fields)
        *field.name = renames.apply(field.kind, *field.name);
}

QString EntityBase::misplacement(const Drawing&, const Block&) const { return QString(); }

QString EntityBase::describe() const
{
    QString text = className_ + QStringLiteral(" [") + handle_ + QStringLiteral("] on ") + layer_;
    const QString more = detail();
    if (!more.isEmpty())
        text += QStringLiteral(": ") + more;
    return text;
}

void EntityBase::writeHead(RecordWriter& writer, const QString& keyword) const
{
    writer.begin(keyword).text(handle_).text(layer_);
}

}  // namespace standin
