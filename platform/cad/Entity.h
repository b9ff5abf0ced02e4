#pragma once
// A drawing object as the tools see it. Every member any tool reads or writes
// on an entity is declared here; an entity kind implements the members it has,
// and every other member raises 438, the way a late-bound call on an object
// without that member fails.

#include "platform/cad/Point.h"

#include <QString>
#include <memory>
#include <vector>

namespace cad {

class AttributeReference;

// The host's entity type numbers (EntityType). The host numbers its entity
// kinds in the alphabetical order of their names (Arc 4, ..., Circle 8,
// DimAligned 9, DimAngular 10, ...); the numbers missing here belong to kinds
// no tool meets, and a kind added later takes its place in that order.
namespace entityType {
inline constexpr int Arc = 4;
inline constexpr int AttributeDefinition = 5;
inline constexpr int AttributeReference = 6;
inline constexpr int BlockReference = 7;
inline constexpr int Circle = 8;
inline constexpr int DimAligned = 9;
inline constexpr int DimAngular = 10;
inline constexpr int DimDiametric = 11;
inline constexpr int DimOrdinate = 12;
inline constexpr int DimRadial = 13;
inline constexpr int DimRotated = 14;
inline constexpr int Hatch = 16;
inline constexpr int Leader = 17;
inline constexpr int Line = 18;
inline constexpr int MText = 19;
inline constexpr int PolylineLight = 22;
inline constexpr int PViewport = 24;
inline constexpr int Text = 31;
}  // namespace entityType

class Entity {
public:
    virtual ~Entity() = default;

    virtual int entityType() const;
    // The host's class name: "AcDbText", "AcDbMText", "AcDbLeader", ...
    virtual QString entityName() const;
    virtual QString layer() const;
    virtual void setLayer(const QString& layer);
    virtual void update();
    // The host's Delete (a C++ keyword).
    virtual void remove();

    // Block references: the block's name and its attribute references, in the
    // order of the block's attribute definitions.
    virtual QString name() const;
    virtual std::vector<std::shared_ptr<AttributeReference>> getAttributes() const;

    virtual QString textString() const;
    virtual void setTextString(const QString& text);
    virtual double height() const;
    virtual void setHeight(double height);
    virtual QString styleName() const;
    virtual void setStyleName(const QString& style);
    virtual int alignment() const;
    virtual void setAlignment(int alignment);
    virtual Point textAlignmentPoint() const;
    virtual void setTextAlignmentPoint(const Point& point);
    virtual Point insertionPoint() const;
    virtual void setInsertionPoint(const Point& point);
    virtual int attachmentPoint() const;
    virtual void setAttachmentPoint(int attachment);
    // Texts and paragraph texts: radians, counter-clockwise from the X axis.
    virtual double rotation() const;
    virtual void setRotation(double rotation);

    virtual int primaryUnitsPrecision() const;
    virtual void setPrimaryUnitsPrecision(int precision);
    virtual int unitsFormat() const;
    virtual void setUnitsFormat(int format);
    virtual QString textSuffix() const;
    virtual void setTextSuffix(const QString& suffix);
    virtual QString textOverride() const;
    virtual void setTextOverride(const QString& text);
    // Dimensions: the value measured (a length in drawing units, an angle in
    // radians) and where the text stands.
    virtual double measurement() const;
    virtual Point textPosition() const;
    virtual void setTextPosition(const Point& point);

    virtual Point endPoint() const;
    virtual void setEndPoint(const Point& point);
    virtual double arrowheadSize() const;
    virtual void setArrowheadSize(double size);
    virtual double scaleFactor() const;
    virtual void setScaleFactor(double factor);

    // External references: the drawing file the reference points to.
    virtual QString path() const;
    virtual void setPath(const QString& path);

    // Circles and arcs; arc angles in radians, counter-clockwise from the X
    // axis, the arc running from its start angle to its end angle.
    virtual Point center() const;
    virtual void setCenter(const Point& center);
    virtual double radius() const;
    virtual void setRadius(double radius);
    virtual double startAngle() const;
    virtual void setStartAngle(double angle);
    virtual double endAngle() const;
    virtual void setEndAngle(double angle);

    // Lightweight polylines: the X and Y of each vertex in turn, and whether
    // the last vertex is joined back to the first.
    virtual std::vector<double> coordinates() const;
    virtual void setCoordinates(const std::vector<double>& coordinates);
    virtual bool closed() const;
    virtual void setClosed(bool closed);

    // Hatches: the pattern (type 0 predefined, 1 user-defined, 2 custom) and
    // the objects that enclose the hatched area, given once.
    virtual QString patternName() const;
    virtual int patternType() const;
    virtual void setPattern(int patternType, const QString& patternName);
    virtual void appendOuterLoop(const std::vector<std::shared_ptr<Entity>>& loop);
};

}  // namespace cad
