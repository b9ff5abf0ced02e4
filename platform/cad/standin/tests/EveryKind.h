#pragma once
// Drawings holding one of every entity kind, each with its properties off
// their defaults: for the round trip through a file and as the fuzz target's
// seeds.

#include "StandinFixture.h"

#include "platform/cad/standin/Viewport.h"

#include <numbers>

namespace standin::test {

// Model space: every kind that draws, in the order of the kinds' table.
inline void fillGeometry(Document& d)
{
    d.textStyles()->add(QStringLiteral("Notes"));
    d.dimStyles()->add(QStringLiteral("Arch"));
    const auto space = d.modelSpace();
    space->addLine(pt(0, 0), pt(10, 0));
    space->addCircle(pt(5, 5, 1), 2.5);
    space->addArc(pt(1, 2), 3, std::numbers::pi / 4, -std::numbers::pi / 2);
    const auto polyline = space->addLightWeightPolyline({0, 0, 4, 0, 4, 3, 0, 3});
    polyline->setClosed(true);
    const auto text = space->addText(QStringLiteral("Turned"), pt(1, 1), 0.25);
    text->setRotation(std::numbers::pi / 6);
    text->setStyleName(QStringLiteral("Notes"));
    const auto paragraph = space->addMText(pt(2, 2), 5, QStringLiteral("a\\Pb"));
    paragraph->setRotation(1.5);
    paragraph->setAttachmentPoint(5);
    space->addLeader({pt(0, 0), pt(1, 1), pt(2, 1)}, nullptr, 2)->setStyleName(QStringLiteral("Arch"));
    const auto hatch = space->addHatch(0, QStringLiteral("ANSI31"), true);
    hatch->appendOuterLoop({polyline});
    const auto aligned = space->addDimAligned(pt(0, 0), pt(3, 4), pt(1, 3));
    aligned->setTextOverride(QStringLiteral("<> MAX"));
    space->addDimRotated(pt(0, 0), pt(3, 4), pt(0, 6), std::numbers::pi / 2)->setUnitsFormat(4);
    const auto diameter = space->addDimDiametric(pt(7, 5), pt(3, 5), 1);
    diameter->setPrimaryUnitsPrecision(2);
    diameter->setStyleName(QStringLiteral("Arch"));
    const auto radius = space->addDimRadial(pt(5, 5), pt(5, 7.5), 0.5);
    radius->setTextSuffix(QStringLiteral(" TYP"));
    radius->setScaleFactor(48);
    const auto angle = space->addDimAngular(pt(0, 0), pt(4, 0), pt(0, 4), pt(2, 2));
    angle->setPrimaryUnitsPrecision(0);
    angle->setArrowheadSize(0.25);
    const auto ordinate = space->addDimOrdinate(pt(4, 3), pt(4, 6), true);
    ordinate->setTextPosition(pt(4, 7));
    ordinate->setUnitsFormat(5);
}

// Blocks, attributes, references to a block and to an external reference,
// and paper space with a floating viewport looking elsewhere in the model.
// The external reference's file must exist as C:\Jobs\Site.dwg.
inline void fillStructure(Document& d)
{
    const auto block = d.blocks()->add(pt(1, 1), QStringLiteral("Tag"));
    block->addCircle(pt(1, 1), 0.5);
    block->addAttribute(0.1, QStringLiteral("Value?"), pt(1, 1), QStringLiteral("VALUE"), QStringLiteral("x"));
    const auto reference = d.modelSpace()->insertBlock(pt(3, 3), QStringLiteral("Tag"), -1, 2, 1, 0.5);
    reference->getAttributes()[0]->setTextString(QStringLiteral("tab\tin\nvalue"));
    d.modelSpace()->attachExternalReference(QStringLiteral("C:\\Jobs\\Site.dwg"), QStringLiteral("Site"), pt(0, 0), 1,
                                            1, 1, 0, false);
    const auto viewport = d.paperSpace()->addPViewport(pt(4, 4), 6, 4);
    viewport->setCustomScale(0.5);
    std::dynamic_pointer_cast<Viewport>(viewport)->setViewCenter(pt(100, 50));
    d.paperSpace()->addText(QStringLiteral("Sheet"), pt(1, 1), 0.2);
}

}  // namespace standin::test
