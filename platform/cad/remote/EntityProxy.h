#pragma once
// An entity of the host as a tool holds it. Every member goes to the host,
// the ones an entity's kind lacks too: the host answers those with 438.

#include "platform/cad/AttributeReference.h"
#include "platform/cad/Entity.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class EntityProxy : public virtual cad::Entity, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    int entityType() const override { return call(&cad::Entity::entityType); }
    QString entityName() const override { return call(&cad::Entity::entityName); }
    QString layer() const override { return call(&cad::Entity::layer); }
    void setLayer(const QString& layer) override { return call(&cad::Entity::setLayer, layer); }
    void update() override { return call(&cad::Entity::update); }
    void remove() override { return call(&cad::Entity::remove); }
    QString name() const override { return call(&cad::Entity::name); }
    std::vector<std::shared_ptr<cad::AttributeReference>> getAttributes() const override { return call(&cad::Entity::getAttributes); }
    QString textString() const override { return call(&cad::Entity::textString); }
    void setTextString(const QString& text) override { return call(&cad::Entity::setTextString, text); }
    double height() const override { return call(&cad::Entity::height); }
    void setHeight(double height) override { return call(&cad::Entity::setHeight, height); }
    QString styleName() const override { return call(&cad::Entity::styleName); }
    void setStyleName(const QString& style) override { return call(&cad::Entity::setStyleName, style); }
    int alignment() const override { return call(&cad::Entity::alignment); }
    void setAlignment(int alignment) override { return call(&cad::Entity::setAlignment, alignment); }
    cad::Point textAlignmentPoint() const override { return call(&cad::Entity::textAlignmentPoint); }
    void setTextAlignmentPoint(const cad::Point& point) override { return call(&cad::Entity::setTextAlignmentPoint, point); }
    cad::Point insertionPoint() const override { return call(&cad::Entity::insertionPoint); }
    void setInsertionPoint(const cad::Point& point) override { return call(&cad::Entity::setInsertionPoint, point); }
    int attachmentPoint() const override { return call(&cad::Entity::attachmentPoint); }
    void setAttachmentPoint(int attachment) override { return call(&cad::Entity::setAttachmentPoint, attachment); }
    int primaryUnitsPrecision() const override { return call(&cad::Entity::primaryUnitsPrecision); }
    void setPrimaryUnitsPrecision(int precision) override { return call(&cad::Entity::setPrimaryUnitsPrecision, precision); }
    int unitsFormat() const override { return call(&cad::Entity::unitsFormat); }
    void setUnitsFormat(int format) override { return call(&cad::Entity::setUnitsFormat, format); }
    QString textSuffix() const override { return call(&cad::Entity::textSuffix); }
    void setTextSuffix(const QString& suffix) override { return call(&cad::Entity::setTextSuffix, suffix); }
    QString textOverride() const override { return call(&cad::Entity::textOverride); }
    void setTextOverride(const QString& text) override { return call(&cad::Entity::setTextOverride, text); }
    cad::Point endPoint() const override { return call(&cad::Entity::endPoint); }
    void setEndPoint(const cad::Point& point) override { return call(&cad::Entity::setEndPoint, point); }
    double arrowheadSize() const override { return call(&cad::Entity::arrowheadSize); }
    void setArrowheadSize(double size) override { return call(&cad::Entity::setArrowheadSize, size); }
    double scaleFactor() const override { return call(&cad::Entity::scaleFactor); }
    void setScaleFactor(double factor) override { return call(&cad::Entity::setScaleFactor, factor); }
    QString path() const override { return call(&cad::Entity::path); }
    void setPath(const QString& path) override { return call(&cad::Entity::setPath, path); }
    double rotation() const override { return call(&cad::Entity::rotation); }
    void setRotation(double rotation) override { return call(&cad::Entity::setRotation, rotation); }
    double measurement() const override { return call(&cad::Entity::measurement); }
    cad::Point textPosition() const override { return call(&cad::Entity::textPosition); }
    void setTextPosition(const cad::Point& point) override { return call(&cad::Entity::setTextPosition, point); }
    cad::Point center() const override { return call(&cad::Entity::center); }
    void setCenter(const cad::Point& center) override { return call(&cad::Entity::setCenter, center); }
    double radius() const override { return call(&cad::Entity::radius); }
    void setRadius(double radius) override { return call(&cad::Entity::setRadius, radius); }
    double startAngle() const override { return call(&cad::Entity::startAngle); }
    void setStartAngle(double angle) override { return call(&cad::Entity::setStartAngle, angle); }
    double endAngle() const override { return call(&cad::Entity::endAngle); }
    void setEndAngle(double angle) override { return call(&cad::Entity::setEndAngle, angle); }
    std::vector<double> coordinates() const override { return call(&cad::Entity::coordinates); }
    void setCoordinates(const std::vector<double>& coordinates) override { return call(&cad::Entity::setCoordinates, coordinates); }
    bool closed() const override { return call(&cad::Entity::closed); }
    void setClosed(bool closed) override { return call(&cad::Entity::setClosed, closed); }
    QString patternName() const override { return call(&cad::Entity::patternName); }
    int patternType() const override { return call(&cad::Entity::patternType); }
    void setPattern(int patternType, const QString& patternName) override { return call(&cad::Entity::setPattern, patternType, patternName); }
    void appendOuterLoop(const std::vector<std::shared_ptr<cad::Entity>>& loop) override { return call(&cad::Entity::appendOuterLoop, loop); }
};

}  // namespace remote
