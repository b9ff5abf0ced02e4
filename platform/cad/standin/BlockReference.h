#pragma once
// A reference to a block ("AcDbBlockReference"): block name, insertion point,
// scales, rotation, and the attributes made from the block's attribute
// definitions when it was inserted.

#include "platform/cad/standin/AttributeReference.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/EntityKinds.h"

#include <vector>

namespace standin {

class RecordReader;

class BlockReference : public EntityBase {
public:
    static const QString Keyword;

    BlockReference(const QString& blockName, const cad::Point& at, double xScale, double yScale, double zScale,
                   double rotation);

    QString name() const override;
    cad::Point insertionPoint() const override;
    void setInsertionPoint(const cad::Point& point) override;
    std::vector<std::shared_ptr<cad::AttributeReference>> getAttributes() const override;

    const QString& blockName() const { return blockName_; }
    const std::vector<std::shared_ptr<AttributeReference>>& attributes() const { return attributes_; }
    void addAttribute(std::shared_ptr<AttributeReference> attribute);

    void place(std::weak_ptr<Drawing> drawing, std::weak_ptr<Block> owner, const QString& handle) override;
    // The block's name, and the names its attributes refer to.
    void listNames(std::vector<NameRef>& names) override;
    std::shared_ptr<EntityBase> clone() const override;
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    // The record's fields after the head, then the attributes, which follow
    // on records of their own.
    static std::shared_ptr<BlockReference> read(RecordReader& reader, EntityStream& following);

protected:
    BlockReference(int type, const QString& className, const QString& blockName, const cad::Point& at,
                   double xScale, double yScale, double zScale, double rotation);
    // The fields a block reference's record starts with, after the head.
    struct Body {
        QString blockName;
        cad::Point at;
        double xScale = 0.0;
        double yScale = 0.0;
        double zScale = 0.0;
        double rotation = 0.0;
    };

    void writeBody(RecordWriter& writer, const QString& keyword) const;
    // The body; `attributeCount` is how many attribute records follow.
    static Body readBody(RecordReader& reader, int& attributeCount);
    // Reads that many attribute records into the reference.
    void readAttributes(int count, EntityStream& following);
    // Copies the attributes of `from` as new, unplaced attributes.
    void copyAttributesFrom(const BlockReference& from);
    QString detail() const override { return blockName_; }

private:
    QString blockName_;
    cad::Point insertion_;
    double xScale_;
    double yScale_;
    double zScale_;
    double rotation_;
    std::vector<std::shared_ptr<AttributeReference>> attributes_;
};

}  // namespace standin
