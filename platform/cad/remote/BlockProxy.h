#pragma once
// A block of the host (model space, paper space, a definition or an external
// reference) as a tool holds it.

#include "platform/cad/Block.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class BlockProxy : public cad::Block, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::Block::name); }
    bool isXRef() const override { return call(&cad::Block::isXRef); }
    bool isLayout() const override { return call(&cad::Block::isLayout); }
    void bind(bool prefixName) override { return call(&cad::Block::bind, prefixName); }
    void detach() override { return call(&cad::Block::detach); }
    int count() const override { return call(&cad::Block::count); }
    std::shared_ptr<cad::Entity> item(int index) const override { return call(&cad::Block::item, index); }
    std::vector<std::shared_ptr<cad::Entity>> items() const override { return call(&cad::Block::items); }
    std::shared_ptr<cad::Entity> insertBlock(const cad::Point& at, const QString& name, double xScale, double yScale, double zScale, double rotation) override { return call(&cad::Block::insertBlock, at, name, xScale, yScale, zScale, rotation); }
    std::shared_ptr<cad::Entity> attachExternalReference(const QString& path, const QString& name, const cad::Point& at, double xScale, double yScale, double zScale, double rotation, bool overlay) override { return call(&cad::Block::attachExternalReference, path, name, at, xScale, yScale, zScale, rotation, overlay); }
    std::shared_ptr<cad::Entity> addLine(const cad::Point& start, const cad::Point& end) override { return call(&cad::Block::addLine, start, end); }
    std::shared_ptr<cad::Entity> addLeader(const std::vector<cad::Point>& points, const std::shared_ptr<cad::Entity>& annotation, int type) override { return call(&cad::Block::addLeader, points, annotation, type); }
    std::shared_ptr<cad::Entity> addText(const QString& text, const cad::Point& at, double height) override { return call(&cad::Block::addText, text, at, height); }
    std::shared_ptr<cad::Entity> addMText(const cad::Point& at, double width, const QString& text) override { return call(&cad::Block::addMText, at, width, text); }
    std::shared_ptr<cad::Entity> addDimAligned(const cad::Point& first, const cad::Point& second, const cad::Point& textPosition) override { return call(&cad::Block::addDimAligned, first, second, textPosition); }
    std::shared_ptr<cad::Entity> addDimRotated(const cad::Point& first, const cad::Point& second, const cad::Point& dimLinePoint, double rotation) override { return call(&cad::Block::addDimRotated, first, second, dimLinePoint, rotation); }
    std::shared_ptr<cad::Entity> addAttribute(double height, const QString& prompt, const cad::Point& at, const QString& tag, const QString& value) override { return call(&cad::Block::addAttribute, height, prompt, at, tag, value); }
    std::shared_ptr<cad::PViewport> addPViewport(const cad::Point& center, double width, double height) override { return call(&cad::Block::addPViewport, center, width, height); }
    std::shared_ptr<cad::Entity> addCircle(const cad::Point& center, double radius) override { return call(&cad::Block::addCircle, center, radius); }
    std::shared_ptr<cad::Entity> addArc(const cad::Point& center, double radius, double startAngle, double endAngle) override { return call(&cad::Block::addArc, center, radius, startAngle, endAngle); }
    std::shared_ptr<cad::Entity> addLightWeightPolyline(const std::vector<double>& vertices) override { return call(&cad::Block::addLightWeightPolyline, vertices); }
    std::shared_ptr<cad::Entity> addHatch(int patternType, const QString& patternName, bool associativity) override { return call(&cad::Block::addHatch, patternType, patternName, associativity); }
    std::shared_ptr<cad::Entity> addDimDiametric(const cad::Point& chordPoint, const cad::Point& farChordPoint, double leaderLength) override { return call(&cad::Block::addDimDiametric, chordPoint, farChordPoint, leaderLength); }
    std::shared_ptr<cad::Entity> addDimRadial(const cad::Point& center, const cad::Point& chordPoint, double leaderLength) override { return call(&cad::Block::addDimRadial, center, chordPoint, leaderLength); }
    std::shared_ptr<cad::Entity> addDimAngular(const cad::Point& angleVertex, const cad::Point& firstEndPoint, const cad::Point& secondEndPoint, const cad::Point& textPoint) override { return call(&cad::Block::addDimAngular, angleVertex, firstEndPoint, secondEndPoint, textPoint); }
    std::shared_ptr<cad::Entity> addDimOrdinate(const cad::Point& definitionPoint, const cad::Point& leaderEndPoint, bool useXAxis) override { return call(&cad::Block::addDimOrdinate, definitionPoint, leaderEndPoint, useXAxis); }
};

}  // namespace remote
