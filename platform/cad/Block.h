#pragma once
// A block: a named list of entities. Model space and paper space are blocks
// too, and so is an external reference's definition. Entities are created
// through the block they go into.

#include "platform/cad/AttributeReference.h"
#include "platform/cad/Entity.h"
#include "platform/cad/PViewport.h"

#include <QString>
#include <memory>
#include <vector>

namespace cad {

class Block {
public:
    virtual ~Block() = default;

    virtual QString name() const = 0;
    virtual bool isXRef() const = 0;
    // Model space and paper space.
    virtual bool isLayout() const = 0;
    // Makes an external reference part of the drawing. With prefixName its
    // named objects keep the xref's name as a prefix; without it they join the
    // drawing's own (an existing name wins).
    virtual void bind(bool prefixName) = 0;
    // Removes an external reference with its references and its named objects.
    virtual void detach() = 0;

    virtual int count() const = 0;
    virtual std::shared_ptr<Entity> item(int index) const = 0;
    virtual std::vector<std::shared_ptr<Entity>> items() const = 0;

    // `name` is a block of the drawing or the path of a drawing file, which
    // then becomes a block named after the file.
    virtual std::shared_ptr<Entity> insertBlock(const Point& at, const QString& name, double xScale,
                                                double yScale, double zScale, double rotation) = 0;
    virtual std::shared_ptr<Entity> attachExternalReference(const QString& path, const QString& name,
                                                            const Point& at, double xScale, double yScale,
                                                            double zScale, double rotation,
                                                            bool overlay) = 0;
    virtual std::shared_ptr<Entity> addLine(const Point& start, const Point& end) = 0;
    virtual std::shared_ptr<Entity> addCircle(const Point& center, double radius) = 0;
    // Angles in radians, counter-clockwise from the X axis; the arc runs from
    // the start angle to the end angle.
    virtual std::shared_ptr<Entity> addArc(const Point& center, double radius, double startAngle,
                                           double endAngle) = 0;
    // `vertices` holds the X and Y of each vertex in turn.
    virtual std::shared_ptr<Entity> addLightWeightPolyline(const std::vector<double>& vertices) = 0;
    // A hatch with no boundary yet: AppendOuterLoop gives it. patternType 0
    // is a predefined pattern, 1 user-defined, 2 custom.
    virtual std::shared_ptr<Entity> addHatch(int patternType, const QString& patternName, bool associativity) = 0;
    // `points` are the leader's vertices, the arrowhead at the first; type 2 is
    // a straight leader with an arrowhead.
    virtual std::shared_ptr<Entity> addLeader(const std::vector<Point>& points,
                                              const std::shared_ptr<Entity>& annotation, int type) = 0;
    virtual std::shared_ptr<Entity> addText(const QString& text, const Point& at, double height) = 0;
    virtual std::shared_ptr<Entity> addMText(const Point& at, double width, const QString& text) = 0;
    virtual std::shared_ptr<Entity> addDimAligned(const Point& first, const Point& second,
                                                  const Point& textPosition) = 0;
    virtual std::shared_ptr<Entity> addDimRotated(const Point& first, const Point& second,
                                                  const Point& dimLinePoint, double rotation) = 0;
    // The diameter between two points across a circle; the text goes on a
    // leader of that length outside the first point.
    virtual std::shared_ptr<Entity> addDimDiametric(const Point& chordPoint, const Point& farChordPoint,
                                                    double leaderLength) = 0;
    // The radius from the centre to a point on the circle; the text goes on a
    // leader of that length outside the point.
    virtual std::shared_ptr<Entity> addDimRadial(const Point& center, const Point& chordPoint,
                                                 double leaderLength) = 0;
    // The angle between the lines from the vertex through each end point.
    virtual std::shared_ptr<Entity> addDimAngular(const Point& angleVertex, const Point& firstEndPoint,
                                                  const Point& secondEndPoint, const Point& textPoint) = 0;
    // The X (useXAxis) or the Y of the definition point, shown at the end of
    // the leader from it.
    virtual std::shared_ptr<Entity> addDimOrdinate(const Point& definitionPoint, const Point& leaderEndPoint,
                                                   bool useXAxis) = 0;
    // An attribute definition of a block: references inserted afterwards get an
    // attribute with this tag and value.
    virtual std::shared_ptr<Entity> addAttribute(double height, const QString& prompt, const Point& at,
                                                 const QString& tag, const QString& value) = 0;
    virtual std::shared_ptr<PViewport> addPViewport(const Point& center, double width, double height) = 0;
};

}  // namespace cad
