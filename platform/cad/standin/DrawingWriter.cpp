#include "platform/cad/standin/DrawingWriter.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingHead.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/SystemVariables.h"
#include "platform/cad/standin/Viewport.h"

namespace standin {

const QString DrawingWriter::Format = QStringLiteral("STANDIN-DRAWING");

QByteArray DrawingWriter::write(const Drawing& drawing, const QImage& thumbnail)
{
    RecordWriter out;
    out.begin(Format).integer(Version).end();
    for (const SystemVariable& variable : SystemVariables::all()) {
        if (variable.scope != VariableScope::Drawing)
            continue;
        const QVariant value = drawing.variable(variable.name);
        out.begin(QStringLiteral("VAR")).text(variable.name);
        if (variable.type == QMetaType::Int)
            out.text(QStringLiteral("I")).integer(value.toInt());
        else if (variable.type == QMetaType::Double)
            out.text(QStringLiteral("D")).number(value.toDouble());
        else
            out.text(QStringLiteral("S")).text(value.toString());
        out.end();
    }
    for (const auto& linetype : drawing.linetypeTable().records()) {
        out.begin(QStringLiteral("LTYPE")).text(linetype->rawName()).text(linetype->rawDescription());
        out.text(linetype->rawPattern()).end();
    }
    for (const auto& layer : drawing.layerTable().records()) {
        out.begin(QStringLiteral("LAYER")).text(layer->rawName()).integer(layer->rawColor()).text(layer->rawLinetype());
        out.flag(layer->rawOn()).flag(layer->rawFrozen()).end();
    }
    for (const auto& style : drawing.textStyleTable().records())
        out.begin(QStringLiteral("TSTYLE")).text(style->rawName()).end();
    for (const auto& style : drawing.dimStyleTable().records())
        out.begin(QStringLiteral("DSTYLE")).text(style->rawName()).end();
    for (const auto& block : drawing.blockTable().records()) {
        out.begin(QStringLiteral("BLOCK")).text(block->rawName()).point(block->origin()).flag(block->rawLayout());
        out.flag(block->rawXref()).flag(block->rawOverlay()).text(block->rawXrefPath()).end();
        for (const auto& entity : block->entities())
            entity->write(out);
        out.begin(QStringLiteral("ENDBLOCK")).end();
    }
    drawing.modelLayout()->write(out);
    drawing.paperLayout()->write(out);
    const std::shared_ptr<Viewport> active = drawing.activeViewport();
    out.begin(QStringLiteral("STATE")).text(drawing.currentLayer()).text(active ? active->handle() : QString());
    out.flag(drawing.inFloatingViewport()).end();
    out.begin(QStringLiteral("END")).end();
    return DrawingHead::build(thumbnail) + out.result().toUtf8();
}

}  // namespace standin
