#include "platform/cad/Entity.h"

#include "platform/cad/AttributeReference.h"
#include "platform/cad/CadErrors.h"

namespace cad {

// Every default is the missing-member failure; the entity kinds override what
// they have.

int Entity::entityType() const { raise(err::MemberNotSupported); }
QString Entity::entityName() const { raise(err::MemberNotSupported); }
QString Entity::layer() const { raise(err::MemberNotSupported); }
void Entity::setLayer(const QString&) { raise(err::MemberNotSupported); }
void Entity::update() { raise(err::MemberNotSupported); }
void Entity::remove() { raise(err::MemberNotSupported); }
QString Entity::name() const { raise(err::MemberNotSupported); }
std::vector<std::shared_ptr<AttributeReference>> Entity::getAttributes() const { raise(err::MemberNotSupported); }
QString Entity::textString() const { raise(err::MemberNotSupported); }
void Entity::setTextString(const QString&) { raise(err::MemberNotSupported); }
double Entity::height() const { raise(err::MemberNotSupported); }
void Entity::setHeight(double) { raise(err::MemberNotSupported); }
QString Entity::styleName() const { raise(err::MemberNotSupported); }
void Entity::setStyleName(const QString&) { raise(err::MemberNotSupported); }
int Entity::alignment() const { raise(err::MemberNotSupported); }
void Entity::setAlignment(int) { raise(err::MemberNotSupported); }
Point Entity::textAlignmentPoint() const { raise(err::MemberNotSupported); }
void Entity::setTextAlignmentPoint(const Point&) { raise(err::MemberNotSupported); }
Point Entity::insertionPoint() const { raise(err::MemberNotSupported); }
void Entity::setInsertionPoint(const Point&) { raise(err::MemberNotSupported); }
int Entity::attachmentPoint() const { raise(err::MemberNotSupported); }
void Entity::setAttachmentPoint(int) { raise(err::MemberNotSupported); }
int Entity::primaryUnitsPrecision() const { raise(err::MemberNotSupported); }
void Entity::setPrimaryUnitsPrecision(int) { raise(err::MemberNotSupported); }
int Entity::unitsFormat() const { raise(err::MemberNotSupported); }
void Entity::setUnitsFormat(int) { raise(err::MemberNotSupported); }
QString Entity::textSuffix() const { raise(err::MemberNotSupported); }
void Entity::setTextSuffix(const QString&) { raise(err::MemberNotSupported); }
QString Entity::textOverride() const { raise(err::MemberNotSupported); }
void Entity::setTextOverride(const QString&) { raise(err::MemberNotSupported); }
Point Entity::endPoint() const { raise(err::MemberNotSupported); }
void Entity::setEndPoint(const Point&) { raise(err::MemberNotSupported); }
double Entity::arrowheadSize() const { raise(err::MemberNotSupported); }
void Entity::setArrowheadSize(double) { raise(err::MemberNotSupported); }
double Entity::scaleFactor() const { raise(err::MemberNotSupported); }
void Entity::setScaleFactor(double) { raise(err::MemberNotSupported); }
QString Entity::path() const { raise(err::MemberNotSupported); }
void Entity::setPath(const QString&) { raise(err::MemberNotSupported); }
double Entity::rotation() const { raise(err::MemberNotSupported); }
void Entity::setRotation(double) { raise(err::MemberNotSupported); }
double Entity::measurement() const { raise(err::MemberNotSupported); }
Point Entity::textPosition() const { raise(err::MemberNotSupported); }
void Entity::setTextPosition(const Point&) { raise(err::MemberNotSupported); }
Point Entity::center() const { raise(err::MemberNotSupported); }
void Entity::setCenter(const Point&) { raise(err::MemberNotSupported); }
double Entity::radius() const { raise(err::MemberNotSupported); }
void Entity::setRadius(double) { raise(err::MemberNotSupported); }
double Entity::startAngle() const { raise(err::MemberNotSupported); }
void Entity::setStartAngle(double) { raise(err::MemberNotSupported); }
double Entity::endAngle() const { raise(err::MemberNotSupported); }
void Entity::setEndAngle(double) { raise(err::MemberNotSupported); }
std::vector<double> Entity::coordinates() const { raise(err::MemberNotSupported); }
void Entity::setCoordinates(const std::vector<double>&) { raise(err::MemberNotSupported); }
bool Entity::closed() const { raise(err::MemberNotSupported); }
void Entity::setClosed(bool) { raise(err::MemberNotSupported); }
QString Entity::patternName() const { raise(err::MemberNotSupported); }
int Entity::patternType() const { raise(err::MemberNotSupported); }
void Entity::setPattern(int, const QString&) { raise(err::MemberNotSupported); }
void Entity::appendOuterLoop(const std::vector<std::shared_ptr<Entity>>&) { raise(err::MemberNotSupported); }

}  // namespace cad
