#pragma once
// A block of a stand-in drawing: model space, paper space, a block definition
// or an external reference's definition. New entities go onto the drawing's
// current layer with the "Standard" styles.

#include "platform/cad/Block.h"
#include "platform/cad/standin/SymbolRecord.h"

#include <memory>
#include <vector>

namespace standin {

class AttributeDefinition;
class EntityBase;

class Block : public cad::Block, public SymbolRecord, public std::enable_shared_from_this<Block> {
public:
    Block(std::weak_ptr<Drawing> drawing, QString name);

    QString name() const override;
    bool isXRef() const override;
    bool isLayout() const override;
    void bind(bool prefixName) override;
    void detach() override;

    int count() const override;
    std::shared_ptr<cad::Entity> item(int index) const override;
    std::vector<std::shared_ptr<cad::Entity>> items() const override;

    std::shared_ptr<cad::Entity> insertBlock(const cad::Point& at, const QString& name, double xScale, double yScale,
                                             double zScale, double rotation) override;
    std::shared_ptr<cad::Entity> attachExternalReference(const QString& path, const QString& name,
                                                         const cad::Point& at, double xScale, double yScale,
                                                         double zScale, double rotation, bool overlay) override;
    std::shared_ptr<cad::Entity> addLine(const cad::Point& start, const cad::Point& end) override;
    std::shared_ptr<cad::Entity> addCircle(const cad::Point& center, double radius) override;
    std::shared_ptr<cad::Entity> addArc(const cad::Point& center, double radius, double startAngle,
                                        double endAngle) override;
    std::shared_ptr<cad::Entity> addLightWeightPolyline(const std::vector<double>& vertices) override;
    std::shared_ptr<cad::Entity> addHatch(int patternType, const QString& patternName, bool associativity) override;
    std::shared_ptr<cad::Entity> addLeader(const std::vector<cad::Point>& points,
                                           const std::shared_ptr<cad::Entity>& annotation, int type) override;
    std::shared_ptr<cad::Entity> addText(const QString& text, const cad::Point& at, double height) override;
    std::shared_ptr<cad::Entity> addMText(const cad::Point& at, double width, const QString& text) override;
    std::shared_ptr<cad::Entity> addDimAligned(const cad::Point& first, const cad::Point& second,
                                               const cad::Point& textPosition) override;
    std::shared_ptr<cad::Entity> addDimRotated(const cad::Point& first, const cad::Point& second,
                                               const cad::Point& dimLinePoint, double rotation) override;
    std::shared_ptr<cad::Entity> addDimDiametric(const cad::Point& chordPoint, const cad::Point& farChordPoint,
                                                 double leaderLength) override;
    std::shared_ptr<cad::Entity> addDimRadial(const cad::Point& center, const cad::Point& chordPoint,
                                              double leaderLength) override;
    std::shared_ptr<cad::Entity> addDimAngular(const cad::Point& angleVertex, const cad::Point& firstEndPoint,
                                               const cad::Point& secondEndPoint, const cad::Point& textPoint) override;
    std::shared_ptr<cad::Entity> addDimOrdinate(const cad::Point& definitionPoint, const cad::Point& leaderEndPoint,
                                                bool useXAxis) override;
    std::shared_ptr<cad::Entity> addAttribute(double height, const QString& prompt, const cad::Point& at,
                                              const QString& tag, const QString& value) override;
    std::shared_ptr<cad::PViewport> addPViewport(const cad::Point& center, double width, double height) override;

    const cad::Point& origin() const { return origin_; }
    void setOrigin(const cad::Point& origin) { origin_ = origin; }
    bool rawLayout() const { return layout_; }
    void setLayout(bool layout) { layout_ = layout; }
    bool rawXref() const { return xref_; }
    bool rawOverlay() const { return overlay_; }
    const QString& rawXrefPath() const { return xrefPath_; }
    void setXref(bool xref, bool overlay, const QString& path);

    const std::vector<std::shared_ptr<EntityBase>>& entities() const { return entities_; }
    // Adds the entity at the end under the handle (a new one when empty).
    void append(std::shared_ptr<EntityBase> entity, const QString& handle = QString());
    void detachEntity(const EntityBase* entity);
    void replaceEntity(const EntityBase* old, std::shared_ptr<EntityBase> replacement);
    // Erases every entity (the block itself is being removed).
    void eraseAll();
    std::vector<std::shared_ptr<AttributeDefinition>> attributeDefinitions() const;
    // True when a reference to `target` stands in this block, or in a block
    // referred to from it, however deep.
    bool nests(const Block& target) const;

private:
    // Puts a new entity onto the current layer and at the end of the block.
    template <class T>
    std::shared_ptr<T> adopt(const Drawing& drawing, std::shared_ptr<T> entity);

    cad::Point origin_;
    bool layout_ = false;
    bool xref_ = false;
    bool overlay_ = false;
    QString xrefPath_;
    std::vector<std::shared_ptr<EntityBase>> entities_;
};

}  // namespace standin
