#include "platform/cad/standin/ExternalReference.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

namespace standin {

const QString ExternalReference::Keyword = QStringLiteral("XREF");

// Assumption: the host reports a reference to an external reference as an
// ordinary block reference (type 7, "AcDbBlockReference") that also has a
// Path.
ExternalReference::ExternalReference(const QString& blockName, const QString& path, const cad::Point& at,
                                     double xScale, double yScale, double zScale, double rotation)
    : BlockReference(cad::entityType::BlockReference, QStringLiteral("AcDbBlockReference"), blockName, at, xScale,
                     yScale, zScale, rotation),
      path_(path)
{
}

QString ExternalReference::path() const { return property("Path", path_); }

void ExternalReference::setPath(const QString& path) { setProperty("Path", path_, path); }

std::shared_ptr<EntityBase> ExternalReference::clone() const
{
    auto copy = std::make_shared<ExternalReference>(*this);
    copy->copyAttributesFrom(*this);
    return copy;
}

void ExternalReference::write(RecordWriter& writer) const
{
    writeBody(writer, Keyword);
    writer.text(path_).end();
    for (const auto& attribute : attributes())
        attribute->write(writer);
}

std::shared_ptr<ExternalReference> ExternalReference::read(RecordReader& reader, EntityStream& following)
{
    int attributeCount = 0;
    const Body b = readBody(reader, attributeCount);
    const QString path = reader.text();
    reader.finish();
    auto reference =
        std::make_shared<ExternalReference>(b.blockName, path, b.at, b.xScale, b.yScale, b.zScale, b.rotation);
    reference->readAttributes(attributeCount, following);
    return reference;
}

}  // namespace standin
