#pragma once
// A hatch ("AcDbHatch"): a pattern filling the area inside its outer
// boundary. The boundary is given after the hatch is added, as the objects
// that enclose the area, and kept as the closed loop of points along them.

#include "platform/cad/standin/EntityBase.h"

#include <vector>

namespace standin {

class RecordReader;

class Hatch : public EntityBase {
public:
    static const QString Keyword;

    Hatch(int patternType, const QString& patternName, bool associative);

    QString patternName() const override;
    int patternType() const override;
    void setPattern(int patternType, const QString& patternName) override;
    void appendOuterLoop(const std::vector<std::shared_ptr<cad::Entity>>& loop) override;

    // The pattern rules of Block.AddHatch and SetPattern: a type from 0
    // (predefined) to 2 (custom), a name after the naming rules.
    static void checkPattern(int patternType, const QString& patternName);

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Hatch>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Hatch> read(RecordReader& reader);

protected:
    QString detail() const override { return patternName_; }

private:
    int patternType_;
    QString patternName_;
    bool associative_;
    // Closed: the last point joins the first; empty until the loop is given.
    std::vector<cad::Point> boundary_;
};

}  // namespace standin
