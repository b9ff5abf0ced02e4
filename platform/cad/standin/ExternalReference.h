#pragma once
// A reference to an external reference's block: a block reference that also
// carries the path of the drawing file it shows.

#include "platform/cad/standin/BlockReference.h"

namespace standin {

class ExternalReference : public BlockReference {
public:
    static const QString Keyword;

    ExternalReference(const QString& blockName, const QString& path, const cad::Point& at, double xScale,
                      double yScale, double zScale, double rotation);

    QString path() const override;
    void setPath(const QString& path) override;

    const QString& rawPath() const { return path_; }

    std::shared_ptr<EntityBase> clone() const override;
    void write(RecordWriter& writer) const override;
    static std::shared_ptr<ExternalReference> read(RecordReader& reader, EntityStream& following);

private:
    QString path_;
};

}  // namespace standin
