#include "platform/cad/standin/BlockReference.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"

namespace standin {

const QString BlockReference::Keyword = QStringLiteral("INSERT");

BlockReference::BlockReference(const QString& blockName, const cad::Point& at, double xScale, double yScale,
                               double zScale, double rotation)
    : BlockReference(cad::entityType::BlockReference, QStringLiteral("AcDbBlockReference"), blockName, at, xScale,
                     yScale, zScale, rotation)
{
}

BlockReference::BlockReference(int type, const QString& className, const QString& blockName, const cad::Point& at,
                               double xScale, double yScale, double zScale, double rotation)
    : EntityBase(type, className), blockName_(blockName), insertion_(at), xScale_(xScale), yScale_(yScale),
      zScale_(zScale), rotation_(rotation)
{
}

QString BlockReference::name() const { return property("Name", blockName_); }

cad::Point BlockReference::insertionPoint() const { return property("InsertionPoint", insertion_); }

void BlockReference::setInsertionPoint(const cad::Point& point)
{
    change(member("InsertionPoint"), handle() + QLatin1Char(' ') + JournalText::point(point));
    const cad::Point delta{point.x - insertion_.x, point.y - insertion_.y, point.z - insertion_.z};
    for (const auto& attribute : attributes_)
        attribute->moveBy(delta);
    insertion_ = point;
}

std::vector<std::shared_ptr<cad::AttributeReference>> BlockReference::getAttributes() const
{
    act(member("GetAttributes"), handle());
    return {attributes_.begin(), attributes_.end()};
}

void BlockReference::addAttribute(std::shared_ptr<AttributeReference> attribute)
{
    attributes_.push_back(std::move(attribute));
}

void BlockReference::place(std::weak_ptr<Drawing> drawing, std::weak_ptr<Block> owner, const QString& handle)
{
    EntityBase::place(drawing, owner, handle);
    const std::shared_ptr<Drawing> target = drawing.lock();
    for (const auto& attribute : attributes_) {
        const QString own = attribute->handle().isEmpty() && target ? target->newHandle() : attribute->handle();
        attribute->place(drawing, owner, own);
    }
}

void BlockReference::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::Block, &blockName_});
    for (const auto& attribute : attributes_)
        attribute->listNames(names);
}

void BlockReference::accept(ShapeVisitor& visitor) const
{
    BlockReferenceShape shape{blockName_, insertion_, xScale_, yScale_, zScale_, rotation_, {}};
    for (const auto& attribute : attributes_)
        shape.attributes.push_back(attribute->shape());
    visitor.blockReference(*this, shape);
}

void BlockReference::copyAttributesFrom(const BlockReference& from)
{
    attributes_.clear();
    for (const auto& attribute : from.attributes_) {
        auto copy = std::static_pointer_cast<AttributeReference>(attribute->clone());
        copy->place({}, {}, QString());
        attributes_.push_back(copy);
    }
}

std::shared_ptr<EntityBase> BlockReference::clone() const
{
    auto copy = std::make_shared<BlockReference>(*this);
    copy->copyAttributesFrom(*this);
    return copy;
}

void BlockReference::writeBody(RecordWriter& writer, const QString& keyword) const
{
    writeHead(writer, keyword);
    writer.text(blockName_).point(insertion_).number(xScale_).number(yScale_).number(zScale_).number(rotation_);
    writer.integer(static_cast<int>(attributes_.size()));
}

void BlockReference::write(RecordWriter& writer) const
{
    writeBody(writer, Keyword);
    writer.end();
    for (const auto& attribute : attributes_)
        attribute->write(writer);
}

BlockReference::Body BlockReference::readBody(RecordReader& reader, int& attributeCount)
{
    Body body;
    body.blockName = reader.text();
    body.at = reader.point();
    body.xScale = reader.number();
    body.yScale = reader.number();
    body.zScale = reader.number();
    body.rotation = reader.number();
    attributeCount = reader.integer();
    if (attributeCount < 0)
        reader.fail(QStringLiteral("negative attribute count"));
    // Assumption: no scale of a block reference is 0 (see Block.InsertBlock).
    if (body.xScale == 0.0 || body.yScale == 0.0 || body.zScale == 0.0)
        reader.fail(QStringLiteral("a scale factor of 0"));
    return body;
}

void BlockReference::readAttributes(int count, EntityStream& following)
{
    for (int i = 0; i < count; ++i)
        addAttribute(std::static_pointer_cast<AttributeReference>(following.nested(AttributeReference::Keyword)));
}

std::shared_ptr<BlockReference> BlockReference::read(RecordReader& reader, EntityStream& following)
{
    int attributeCount = 0;
    const Body b = readBody(reader, attributeCount);
    reader.finish();
    auto reference = std::make_shared<BlockReference>(b.blockName, b.at, b.xScale, b.yScale, b.zScale, b.rotation);
    reference->readAttributes(attributeCount, following);
    return reference;
}

}  // namespace standin
