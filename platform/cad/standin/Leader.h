#pragma once
// A leader ("AcDbLeader"): vertices with the arrowhead at the first, a type,
// arrowhead size, scale factor and dimension style.

#include "platform/cad/standin/EntityBase.h"

#include <vector>

namespace standin {

class RecordReader;

class Leader : public EntityBase {
public:
    static const QString Keyword;

    Leader(std::vector<cad::Point> points, int type);

    double arrowheadSize() const override;
    void setArrowheadSize(double size) override;
    double scaleFactor() const override;
    void setScaleFactor(double factor) override;
    QString styleName() const override;
    void setStyleName(const QString& style) override;

    void listNames(std::vector<NameRef>& names) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Leader>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Leader> read(RecordReader& reader);

private:
    std::vector<cad::Point> points_;
    int type_;
    double arrowheadSize_ = 0.18;
    double scaleFactor_ = 1.0;
    QString style_ = QStringLiteral("Standard");
};

}  // namespace standin
