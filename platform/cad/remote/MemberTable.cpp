#include "platform/cad/remote/Schema.h"

#include "platform/cad/Application.h"
#include "platform/cad/remote/ApplicationProxy.h"
#include "platform/cad/remote/AttributeReferenceProxy.h"
#include "platform/cad/remote/BlockProxy.h"
#include "platform/cad/remote/BlocksProxy.h"
#include "platform/cad/remote/DimStyleProxy.h"
#include "platform/cad/remote/DocumentProxy.h"
#include "platform/cad/remote/DocumentsProxy.h"
#include "platform/cad/remote/EntityProxy.h"
#include "platform/cad/remote/InterfaceBuilder.h"
#include "platform/cad/remote/LayerProxy.h"
#include "platform/cad/remote/LayoutProxy.h"
#include "platform/cad/remote/LinetypeProxy.h"
#include "platform/cad/remote/LinetypesProxy.h"
#include "platform/cad/remote/PViewportProxy.h"
#include "platform/cad/remote/PlotProxy.h"
#include "platform/cad/remote/PreferencesFilesProxy.h"
#include "platform/cad/remote/PreferencesProfilesProxy.h"
#include "platform/cad/remote/PreferencesProxy.h"
#include "platform/cad/remote/SelectionSetProxy.h"
#include "platform/cad/remote/SelectionSetsProxy.h"
#include "platform/cad/remote/TableProxy.h"
#include "platform/cad/remote/TextStyleProxy.h"
#include "platform/cad/remote/UtilityProxy.h"

// The member table: every member of every interface of the object model, the
// name it travels under, and its options. Both ends are driven from here: the
// host dispatches an incoming call by its name through this table, and each
// proxy's override finds its entry by the member's pointer. A member added to
// an interface is one line here and one override in its proxy.

namespace remote {

namespace {

// Collection members, the same for every collection.
template <class I, class T>
InterfaceBuilder<I>& collectionMembers(InterfaceBuilder<I>& builder)
{
    return builder.member("count", &cad::Collection<T>::count)
        .member("item", overload<std::shared_ptr<T>(int) const>(&cad::Collection<T>::item))
        .member("itemNamed", overload<std::shared_ptr<T>(const QString&) const>(&cad::Collection<T>::item))
        .member("items", &cad::Collection<T>::items);
}

}  // namespace

void Schema::defineInterfaces()
{
    // Entities first: the interfaces that extend Entity name it.
    define<cad::Entity>("Entity").proxy<EntityProxy>()
        .member("entityType", &cad::Entity::entityType)
        .member("entityName", &cad::Entity::entityName)
        .member("layer", &cad::Entity::layer)
        .member("setLayer", &cad::Entity::setLayer)
        .member("update", &cad::Entity::update)
        .member("remove", &cad::Entity::remove)
        .member("name", &cad::Entity::name)
        .member("getAttributes", &cad::Entity::getAttributes)
        .member("textString", &cad::Entity::textString)
        .member("setTextString", &cad::Entity::setTextString)
        .member("height", &cad::Entity::height)
        .member("setHeight", &cad::Entity::setHeight)
        .member("styleName", &cad::Entity::styleName)
        .member("setStyleName", &cad::Entity::setStyleName)
        .member("alignment", &cad::Entity::alignment)
        .member("setAlignment", &cad::Entity::setAlignment)
        .member("textAlignmentPoint", &cad::Entity::textAlignmentPoint)
        .member("setTextAlignmentPoint", &cad::Entity::setTextAlignmentPoint)
        .member("insertionPoint", &cad::Entity::insertionPoint)
        .member("setInsertionPoint", &cad::Entity::setInsertionPoint)
        .member("attachmentPoint", &cad::Entity::attachmentPoint)
        .member("setAttachmentPoint", &cad::Entity::setAttachmentPoint)
        .member("primaryUnitsPrecision", &cad::Entity::primaryUnitsPrecision)
        .member("setPrimaryUnitsPrecision", &cad::Entity::setPrimaryUnitsPrecision)
        .member("unitsFormat", &cad::Entity::unitsFormat)
        .member("setUnitsFormat", &cad::Entity::setUnitsFormat)
        .member("textSuffix", &cad::Entity::textSuffix)
        .member("setTextSuffix", &cad::Entity::setTextSuffix)
        .member("textOverride", &cad::Entity::textOverride)
        .member("setTextOverride", &cad::Entity::setTextOverride)
        .member("endPoint", &cad::Entity::endPoint)
        .member("setEndPoint", &cad::Entity::setEndPoint)
        .member("arrowheadSize", &cad::Entity::arrowheadSize)
        .member("setArrowheadSize", &cad::Entity::setArrowheadSize)
        .member("scaleFactor", &cad::Entity::scaleFactor)
        .member("setScaleFactor", &cad::Entity::setScaleFactor)
        .member("path", &cad::Entity::path)
        .member("setPath", &cad::Entity::setPath)
        .member("rotation", &cad::Entity::rotation)
        .member("setRotation", &cad::Entity::setRotation)
        .member("measurement", &cad::Entity::measurement)
        .member("textPosition", &cad::Entity::textPosition)
        .member("setTextPosition", &cad::Entity::setTextPosition)
        .member("center", &cad::Entity::center)
        .member("setCenter", &cad::Entity::setCenter)
        .member("radius", &cad::Entity::radius)
        .member("setRadius", &cad::Entity::setRadius)
        .member("startAngle", &cad::Entity::startAngle)
        .member("setStartAngle", &cad::Entity::setStartAngle)
        .member("endAngle", &cad::Entity::endAngle)
        .member("setEndAngle", &cad::Entity::setEndAngle)
        .member("coordinates", &cad::Entity::coordinates)
        .member("setCoordinates", &cad::Entity::setCoordinates)
        .member("closed", &cad::Entity::closed)
        .member("setClosed", &cad::Entity::setClosed)
        .member("patternName", &cad::Entity::patternName)
        .member("patternType", &cad::Entity::patternType)
        .member("setPattern", &cad::Entity::setPattern)
        .member("appendOuterLoop", &cad::Entity::appendOuterLoop);
    define<cad::AttributeReference>("AttributeReference").extends<cad::Entity>().proxy<AttributeReferenceProxy>()
        .member("tagString", &cad::AttributeReference::tagString)
        .member("setTagString", &cad::AttributeReference::setTagString);
    define<cad::PViewport>("PViewport").extends<cad::Entity>().proxy<PViewportProxy>()
        .member("customScale", &cad::PViewport::customScale)
        .member("setCustomScale", &cad::PViewport::setCustomScale)
        .member("display", &cad::PViewport::display);

    define<cad::Application>("Application").proxy<ApplicationProxy>()
        .member("activeDocument", &cad::Application::activeDocument)
        .member("documents", &cad::Application::documents)
        .member("preferences", &cad::Application::preferences)
        .member("zoomExtents", &cad::Application::zoomExtents)
        .member("zoomScaled", &cad::Application::zoomScaled)
        .member("subscribeBeginCommand", &cad::Application::subscribeBeginCommand,
                undoneBy(&cad::Application::unsubscribeBeginCommand))
        .member("unsubscribeBeginCommand", &cad::Application::unsubscribeBeginCommand);
    collectionMembers<cad::Documents, cad::Document>(define<cad::Documents>("Documents").proxy<DocumentsProxy>())
        .member("add", &cad::Documents::add);
    define<cad::Document>("Document").proxy<DocumentProxy>()
        .member("open", &cad::Document::open)
        .member("save", &cad::Document::save)
        .member("saveAs", &cad::Document::saveAs)
        .member("newDrawing", &cad::Document::newDrawing)
        .member("activate", &cad::Document::activate)
        .member("purgeAll", &cad::Document::purgeAll)
        .member("regen", &cad::Document::regen)
        .member("getVariable", &cad::Document::getVariable)
        .member("setVariable", &cad::Document::setVariable)
        .member("sendCommand", &cad::Document::sendCommand)
        .member("activeLayer", &cad::Document::activeLayer)
        .member("setActiveLayer", &cad::Document::setActiveLayer)
        .member("activeSpace", &cad::Document::activeSpace)
        .member("setActiveSpace", &cad::Document::setActiveSpace)
        .member("mSpace", &cad::Document::mSpace)
        .member("setMSpace", &cad::Document::setMSpace)
        .member("activePViewport", &cad::Document::activePViewport)
        .member("setActivePViewport", &cad::Document::setActivePViewport)
        .member("activeLayout", &cad::Document::activeLayout)
        .member("plot", &cad::Document::plot)
        .member("utility", &cad::Document::utility)
        .member("selectionSets", &cad::Document::selectionSets)
        .member("application", &cad::Document::application)
        .member("modelSpace", &cad::Document::modelSpace)
        .member("paperSpace", &cad::Document::paperSpace)
        .member("blocks", &cad::Document::blocks)
        .member("layers", &cad::Document::layers)
        .member("linetypes", &cad::Document::linetypes)
        .member("dimStyles", &cad::Document::dimStyles)
        .member("textStyles", &cad::Document::textStyles)
        .member("fullName", &cad::Document::fullName)
        .member("path", &cad::Document::path)
        .member("name", &cad::Document::name)
        .member("readOnly", &cad::Document::readOnly);
    define<cad::Preferences>("Preferences").proxy<PreferencesProxy>()
        .member("files", &cad::Preferences::files)
        .member("profiles", &cad::Preferences::profiles);
    define<cad::PreferencesFiles>("PreferencesFiles").proxy<PreferencesFilesProxy>()
        .member("supportPath", &cad::PreferencesFiles::supportPath)
        .member("setSupportPath", &cad::PreferencesFiles::setSupportPath)
        .member("templateDwgPath", &cad::PreferencesFiles::templateDwgPath)
        .member("setTemplateDwgPath", &cad::PreferencesFiles::setTemplateDwgPath)
        .member("printerStyleSheetPath", &cad::PreferencesFiles::printerStyleSheetPath)
        .member("setPrinterStyleSheetPath", &cad::PreferencesFiles::setPrinterStyleSheetPath);
    define<cad::PreferencesProfiles>("PreferencesProfiles").proxy<PreferencesProfilesProxy>()
        .member("activeProfile", &cad::PreferencesProfiles::activeProfile)
        .member("setActiveProfile", &cad::PreferencesProfiles::setActiveProfile);
    define<cad::Block>("Block").proxy<BlockProxy>()
        .member("name", &cad::Block::name)
        .member("isXRef", &cad::Block::isXRef)
        .member("isLayout", &cad::Block::isLayout)
        .member("bind", &cad::Block::bind)
        .member("detach", &cad::Block::detach)
        .member("count", &cad::Block::count)
        .member("item", &cad::Block::item)
        .member("items", &cad::Block::items)
        .member("insertBlock", &cad::Block::insertBlock)
        .member("attachExternalReference", &cad::Block::attachExternalReference)
        .member("addLine", &cad::Block::addLine)
        .member("addLeader", &cad::Block::addLeader)
        .member("addText", &cad::Block::addText)
        .member("addMText", &cad::Block::addMText)
        .member("addDimAligned", &cad::Block::addDimAligned)
        .member("addDimRotated", &cad::Block::addDimRotated)
        .member("addAttribute", &cad::Block::addAttribute)
        .member("addPViewport", &cad::Block::addPViewport)
        .member("addCircle", &cad::Block::addCircle)
        .member("addArc", &cad::Block::addArc)
        .member("addLightWeightPolyline", &cad::Block::addLightWeightPolyline)
        .member("addHatch", &cad::Block::addHatch)
        .member("addDimDiametric", &cad::Block::addDimDiametric)
        .member("addDimRadial", &cad::Block::addDimRadial)
        .member("addDimAngular", &cad::Block::addDimAngular)
        .member("addDimOrdinate", &cad::Block::addDimOrdinate);
    collectionMembers<cad::Blocks, cad::Block>(define<cad::Blocks>("Blocks").proxy<BlocksProxy>())
        .member("add", &cad::Blocks::add);
    define<cad::Layer>("Layer").proxy<LayerProxy>()
        .member("name", &cad::Layer::name)
        .member("color", &cad::Layer::color)
        .member("setColor", &cad::Layer::setColor)
        .member("linetype", &cad::Layer::linetype)
        .member("setLinetype", &cad::Layer::setLinetype)
        .member("freeze", &cad::Layer::freeze)
        .member("setFreeze", &cad::Layer::setFreeze)
        .member("layerOn", &cad::Layer::layerOn)
        .member("setLayerOn", &cad::Layer::setLayerOn);
    collectionMembers<cad::Layers, cad::Layer>(define<cad::Layers>("Layers").proxy<TableProxy<cad::Layers, cad::Layer>>())
        .member("add", &cad::Table<cad::Layer>::add);
    define<cad::Linetype>("Linetype").proxy<LinetypeProxy>()
        .member("name", &cad::Linetype::name)
        .member("description", &cad::Linetype::description);
    collectionMembers<cad::Linetypes, cad::Linetype>(define<cad::Linetypes>("Linetypes").proxy<LinetypesProxy>())
        .member("add", &cad::Table<cad::Linetype>::add)
        .member("load", &cad::Linetypes::load);
    define<cad::DimStyle>("DimStyle").proxy<DimStyleProxy>()
        .member("name", &cad::DimStyle::name);
    collectionMembers<cad::DimStyles, cad::DimStyle>(define<cad::DimStyles>("DimStyles").proxy<TableProxy<cad::DimStyles, cad::DimStyle>>())
        .member("add", &cad::Table<cad::DimStyle>::add);
    define<cad::TextStyle>("TextStyle").proxy<TextStyleProxy>()
        .member("name", &cad::TextStyle::name);
    collectionMembers<cad::TextStyles, cad::TextStyle>(define<cad::TextStyles>("TextStyles").proxy<TableProxy<cad::TextStyles, cad::TextStyle>>())
        .member("add", &cad::Table<cad::TextStyle>::add);
    define<cad::Layout>("Layout").proxy<LayoutProxy>()
        .member("name", &cad::Layout::name)
        .member("configName", &cad::Layout::configName)
        .member("setConfigName", &cad::Layout::setConfigName)
        .member("canonicalMediaName", &cad::Layout::canonicalMediaName)
        .member("setCanonicalMediaName", &cad::Layout::setCanonicalMediaName)
        .member("plotRotation", &cad::Layout::plotRotation)
        .member("setPlotRotation", &cad::Layout::setPlotRotation)
        .member("plotType", &cad::Layout::plotType)
        .member("setPlotType", &cad::Layout::setPlotType)
        .member("standardScale", &cad::Layout::standardScale)
        .member("setStandardScale", &cad::Layout::setStandardScale)
        .member("centerPlot", &cad::Layout::centerPlot)
        .member("setCenterPlot", &cad::Layout::setCenterPlot)
        .member("plotOrigin", &cad::Layout::plotOrigin)
        .member("styleSheet", &cad::Layout::styleSheet)
        .member("setStyleSheet", &cad::Layout::setStyleSheet)
        .member("plotWithPlotStyles", &cad::Layout::plotWithPlotStyles)
        .member("setPlotWithPlotStyles", &cad::Layout::setPlotWithPlotStyles)
        .member("setWindowToPlot", &cad::Layout::setWindowToPlot)
        .member("getWindowToPlot", &cad::Layout::getWindowToPlot)
        .member("refreshPlotDeviceInfo", &cad::Layout::refreshPlotDeviceInfo)
        .member("getPlotDeviceNames", &cad::Layout::getPlotDeviceNames)
        .member("getCanonicalMediaNames", &cad::Layout::getCanonicalMediaNames)
        .member("getLocaleMediaName", &cad::Layout::getLocaleMediaName)
        .member("getPlotStyleTableNames", &cad::Layout::getPlotStyleTableNames);
    define<cad::Plot>("Plot").proxy<PlotProxy>()
        .member("numberOfCopies", &cad::Plot::numberOfCopies)
        .member("setNumberOfCopies", &cad::Plot::setNumberOfCopies)
        .member("plotToDevice", &cad::Plot::plotToDevice)
        .member("displayPlotPreview", &cad::Plot::displayPlotPreview, waitsForUser);
    define<cad::Utility>("Utility").proxy<UtilityProxy>()
        .member("getPoint", &cad::Utility::getPoint, waitsForUser);
    define<cad::SelectionSet>("SelectionSet").proxy<SelectionSetProxy>()
        .member("name", &cad::SelectionSet::name)
        .member("count", &cad::SelectionSet::count)
        .member("item", &cad::SelectionSet::item)
        .member("items", &cad::SelectionSet::items)
        .member("addItems", &cad::SelectionSet::addItems)
        .member("clear", &cad::SelectionSet::clear)
        .member("selectOnScreen", &cad::SelectionSet::selectOnScreen, waitsForUser)
        .member("remove", &cad::SelectionSet::remove);
    collectionMembers<cad::SelectionSets, cad::SelectionSet>(define<cad::SelectionSets>("SelectionSets").proxy<SelectionSetsProxy>())
        .member("add", &cad::SelectionSets::add);
}

}  // namespace remote
