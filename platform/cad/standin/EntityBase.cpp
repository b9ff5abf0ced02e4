#include "platform/cad/standin/EntityBase.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

int EntityBase::entityType() const
{
    enter(member("EntityType"));
    return type_;
}

QString EntityBase::entityName() const
{
    enter(member("EntityName"));
    return className_;
}

QString EntityBase::layer() const
{
    enter(member("Layer"));
    return layer_;
}

void EntityBase::setLayer(const QString& layer)
{
    const auto drawing = change(member("Layer"), handle_ + QLatin1Char(' ') + layer);
    // Assumption: an entity can only go onto a layer the drawing has.
    layer_ = Validate::layer(*drawing, layer);
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

void EntityBase::collectReferences(SymbolReferences& references) const
{
    references.add(SymbolKind::Layer, layer_);
}

void EntityBase::renameReferences(const SymbolRenames& renames)
{
    layer_ = renames.apply(SymbolKind::Layer, layer_);
}

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
