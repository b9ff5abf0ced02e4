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

// The host's entity type numbers (EntityType).
namespace entityType {
inline constexpr int AttributeDefinition = 5;
inline constexpr int AttributeReference = 6;
inline constexpr int BlockReference = 7;
inline constexpr int DimAligned = 9;
inline constexpr int DimRotated = 14;
inline constexpr int Leader = 17;
inline constexpr int Line = 18;
inline constexpr int MText = 19;
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

    virtual int primaryUnitsPrecision() const;
    virtual void setPrimaryUnitsPrecision(int precision);
    virtual int unitsFormat() const;
    virtual void setUnitsFormat(int format);
    virtual QString textSuffix() const;
    virtual void setTextSuffix(const QString& suffix);
    virtual QString textOverride() const;
    virtual void setTextOverride(const QString& text);

    virtual Point endPoint() const;
    virtual void setEndPoint(const Point& point);
    virtual double arrowheadSize() const;
    virtual void setArrowheadSize(double size);
    virtual double scaleFactor() const;
    virtual void setScaleFactor(double factor);

    // External references: the drawing file the reference points to.
    virtual QString path() const;
    virtual void setPath(const QString& path);
};

}  // namespace cad
