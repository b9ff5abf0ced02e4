#include "shared/LayerRoutines.h"

#include "platform/cad/Document.h"
#include "platform/runtime/PassOver.h"
#include "shared/AcadConnection.h"

namespace suite {

namespace {

const QString LinetypeCatalogue = QStringLiteral("acad.lin");
const QString Continuous = QStringLiteral("CONTINUOUS");

template <class Table>
bool hasName(const Table& table, const QString& name)
{
    for (const auto& entry : table.items()) {
        if (entry->name().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool layerExist(const AcadConnection& conn, const QString& name)
{
    bool found = false;
    runtime::passOver([&] { found = hasName(*conn.doc().layers(), name); });
    return found;
}

bool linetypeExist(const AcadConnection& conn, const QString& name)
{
    bool found = false;
    runtime::passOver([&] { found = hasName(*conn.doc().linetypes(), name); });
    return found;
}

bool createLayer(const AcadConnection& conn, const QString& name, const QString& linetype, int32_t colour,
                 const CreateLayerVariant& variant)
{
    if (variant.leavesExisting && layerExist(conn, name))
        return false;
    // Checked before the drawing is touched: a layer that would refuse its
    // colour halfway would otherwise stay behind half made, and current.
    if (colour < FirstLayerColour || colour > LastLayerColour)
        return false;
    bool done = false;
    runtime::passOver([&] {
        cad::Document& doc = conn.doc();
        const bool skip = variant.skipsContinuous && linetype.toUpper() == Continuous;
        if (!skip && !linetypeExist(conn, linetype))
            doc.linetypes()->load(linetype, LinetypeCatalogue);
        const std::shared_ptr<cad::Layer> layer = doc.layers()->add(name);
        doc.setActiveLayer(layer);
        layer->setColor(colour);
        layer->setLinetype(linetype);
        done = true;
    });
    return done;
}

}  // namespace suite
