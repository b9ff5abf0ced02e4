#include "platform/cad/standin/DrawingReader.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingHead.h"
#include "platform/cad/standin/DrawingWriter.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/SystemVariables.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/runtime/Error.h"

#include <QStringDecoder>

namespace standin {

namespace {

[[noreturn]] void missing(int line, const QString& what)
{
    RecordReader::fail(line, what + QStringLiteral(" is missing"));
}

}  // namespace

std::shared_ptr<Drawing> DrawingReader::read(std::shared_ptr<HostContext> context, const QByteArray& file)
{
    const qsizetype body = DrawingHead::bodyOffset(file);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.mid(body));
    if (decoder.hasError())
        RecordReader::fail(1, QStringLiteral("the text body is not UTF-8"));
    return DrawingReader(std::move(context), text.split(QLatin1Char('\n'))).parse();
}

DrawingReader::DrawingReader(std::shared_ptr<HostContext> context, QStringList lines)
    : drawing_(Drawing::createEmpty(std::move(context))), lines_(std::move(lines))
{
}

std::shared_ptr<Drawing> DrawingReader::parse()
{
    header();
    for (bool ended = false; !ended;) {
        RecordReader record = next();
        const QString& keyword = record.keyword();
        if (keyword == QLatin1String("VAR")) variable(record);
        else if (keyword == QLatin1String("LTYPE")) linetype(record);
        else if (keyword == QLatin1String("LAYER")) layer(record);
        else if (keyword == QLatin1String("TSTYLE")) textStyle(record);
        else if (keyword == QLatin1String("DSTYLE")) dimStyle(record);
        else if (keyword == QLatin1String("BLOCK")) block(record);
        else if (keyword == Layout::Keyword) layout(record);
        else if (keyword == QLatin1String("STATE")) state(record);
        else if (keyword == QLatin1String("END")) ended = true;
        else record.fail(QStringLiteral("unknown record %1").arg(keyword));
        record.finish();
    }
    // Only the empty remainder after the last line break may follow.
    if (position_ < lines_.size() - 1 || (position_ == lines_.size() - 1 && !lines_.last().isEmpty()))
        RecordReader::fail(position_ + 1, QStringLiteral("text after the end"));
    check();
    drawing_->setModified(false);
    return drawing_;
}

RecordReader DrawingReader::next()
{
    if (position_ >= lines_.size())
        RecordReader::fail(position_, QStringLiteral("the file ends early"));
    const QString& line = lines_[position_++];
    if (line.isEmpty())
        RecordReader::fail(position_, QStringLiteral("empty line"));
    return RecordReader(line, position_);
}

void DrawingReader::header()
{
    RecordReader record = next();
    if (record.keyword() != DrawingWriter::Format)
        record.fail(QStringLiteral("not a stand-in drawing"));
    const int version = record.integer();
    if (version != DrawingWriter::Version)
        record.fail(QStringLiteral("format version %1 is not supported").arg(version));
    record.finish();
}

template <class Table>
void DrawingReader::checkNew(const RecordReader& record, const Table& table, const QString& name)
{
    if (name.isEmpty() || table.find(name))
        record.fail(QStringLiteral("missing or repeated name \"%1\"").arg(name));
}

void DrawingReader::checkHandle(const RecordReader& record, const QString& handle)
{
    // Handles are written as upper-case hexadecimal without leading zeros;
    // fifteen digits leave room for the handles the drawing gives out later.
    bool ok = false;
    const quint64 value = handle.size() <= 15 ? handle.toULongLong(&ok, 16) : 0;
    if (!ok || QString::number(value, 16).toUpper() != handle || handles_.contains(handle))
        record.fail(QStringLiteral("bad or repeated handle \"%1\"").arg(handle));
    handles_.insert(handle);
    drawing_->noteHandle(handle);
}

void DrawingReader::variable(RecordReader& record)
{
    const QString name = record.text();
    const QString type = record.text();
    const SystemVariable* definition = SystemVariables::find(name);
    if (!definition || definition->scope != VariableScope::Drawing)
        record.fail(QStringLiteral("unknown drawing variable %1").arg(name));
    QVariant value;
    if (type == QLatin1String("I") && definition->type == QMetaType::Int) value = record.integer();
    else if (type == QLatin1String("D") && definition->type == QMetaType::Double) value = record.number();
    else if (type == QLatin1String("S") && definition->type == QMetaType::QString) value = record.text();
    else record.fail(QStringLiteral("wrong type for %1").arg(name));
    try {
        drawing_->setVariable(definition->name, SystemVariables::coerce(*definition, value));
    } catch (const runtime::Error& error) {
        record.fail(error.description());
    }
}

void DrawingReader::linetype(RecordReader& record)
{
    const QString name = record.text();
    checkNew(record, drawing_->linetypeTable(), name);
    auto entry = std::make_shared<Linetype>(drawing_, name);
    const QString description = record.text();
    entry->setRaw(description, record.text());
    drawing_->linetypeTable().insert(entry);
}

void DrawingReader::layer(RecordReader& record)
{
    const QString name = record.text();
    checkNew(record, drawing_->layerTable(), name);
    const int color = record.integer();
    const QString linetype = record.text();
    const bool on = record.flag();
    const bool frozen = record.flag();
    if (color < 1 || color > 255)
        record.fail(QStringLiteral("layer colour %1 out of range").arg(color));
    auto entry = std::make_shared<Layer>(drawing_, name);
    entry->setRaw(color, linetype, on, frozen);
    drawing_->layerTable().insert(entry);
    lineOf_.insert(QStringLiteral("layer:") + name, record.lineNumber());
}

void DrawingReader::textStyle(RecordReader& record)
{
    const QString name = record.text();
    checkNew(record, drawing_->textStyleTable(), name);
    drawing_->textStyleTable().insert(std::make_shared<TextStyle>(drawing_, name));
}

void DrawingReader::dimStyle(RecordReader& record)
{
    const QString name = record.text();
    checkNew(record, drawing_->dimStyleTable(), name);
    drawing_->dimStyleTable().insert(std::make_shared<DimStyle>(drawing_, name));
}

void DrawingReader::block(RecordReader& record)
{
    const QString name = record.text();
    const cad::Point origin = record.point();
    const bool layout = record.flag();
    const bool xref = record.flag();
    const bool overlay = record.flag();
    const QString path = record.text();
    record.finish();
    const bool space = name == Drawing::ModelSpaceName || name == Drawing::PaperSpaceName;
    if (space != layout || (space && xref))
        record.fail(QStringLiteral("block %1 has the wrong kind").arg(name));
    std::shared_ptr<Block> block;
    if (space) {
        if (spacesSeen_.contains(name))
            record.fail(QStringLiteral("block %1 repeated").arg(name));
        spacesSeen_.insert(name);
        block = drawing_->blockTable().find(name);
    } else {
        checkNew(record, drawing_->blockTable(), name);
        block = drawing_->blockTable().create(name, origin);
    }
    block->setOrigin(origin);
    block->setXref(xref, overlay, path);
    for (;;) {
        RecordReader line = next();
        if (line.keyword() == QLatin1String("ENDBLOCK")) {
            line.finish();
            return;
        }
        entity(line, *block);
    }
}

void DrawingReader::entity(RecordReader& record, Block& block)
{
    const EntityKind* kind = EntityKinds::find(record.keyword());
    if (!kind || kind->nested)
        record.fail(QStringLiteral("unknown entity %1").arg(record.keyword()));
    const std::shared_ptr<EntityBase> made = readEntity(record, *kind);
    block.append(made, made->handle());
}

std::shared_ptr<EntityBase> DrawingReader::readEntity(RecordReader& record, const EntityKind& kind)
{
    const QString handle = record.text();
    const QString layer = record.text();
    checkHandle(record, handle);
    lineOf_.insert(handle, record.lineNumber());
    const std::shared_ptr<EntityBase> made = kind.read(record, *this);
    record.finish();
    made->setLayerName(layer);
    made->place({}, {}, handle);
    return made;
}

std::shared_ptr<EntityBase> DrawingReader::nested(const QString& keyword)
{
    RecordReader record = next();
    const EntityKind* kind = EntityKinds::find(keyword);
    if (record.keyword() != keyword || !kind)
        record.fail(QStringLiteral("%1 expected").arg(keyword));
    return readEntity(record, *kind);
}

void DrawingReader::layout(RecordReader& record)
{
    QString name;
    const PlotSettings settings = Layout::read(record, name);
    std::shared_ptr<Layout> target;
    if (name == QLatin1String("Model"))
        target = drawing_->modelLayout();
    else if (name == QLatin1String("Layout1"))
        target = drawing_->paperLayout();
    if (!target || layoutsSeen_.contains(name))
        record.fail(QStringLiteral("unknown or repeated layout %1").arg(name));
    layoutsSeen_.insert(name);
    target->setSettings(settings);
}

void DrawingReader::state(RecordReader& record)
{
    if (stateLine_ != 0)
        record.fail(QStringLiteral("repeated state"));
    stateLine_ = record.lineNumber();
    currentLayer_ = record.text();
    activeViewport_ = record.text();
    inFloatingViewport_ = record.flag();
}

void DrawingReader::check()
{
    Drawing& d = *drawing_;
    if (spacesSeen_.size() != 2) missing(position_, QStringLiteral("model or paper space"));
    if (layoutsSeen_.size() != 2) missing(position_, QStringLiteral("a layout"));
    if (stateLine_ == 0) missing(position_, QStringLiteral("the state record"));
    if (!d.layerTable().find(QStringLiteral("0"))) missing(position_, QStringLiteral("layer 0"));
    if (!d.linetypeTable().find(Drawing::ContinuousLinetype))
        missing(position_, QStringLiteral("linetype Continuous"));
    if (!d.textStyleTable().find(Drawing::StandardStyle))
        missing(position_, QStringLiteral("text style Standard"));
    if (!d.dimStyleTable().find(Drawing::StandardStyle))
        missing(position_, QStringLiteral("dimension style Standard"));
    for (const auto& layer : d.layerTable().records()) {
        if (!d.linetypeTable().find(layer->rawLinetype()))
            missing(lineOf_.value(QStringLiteral("layer:") + layer->rawName()),
                    QStringLiteral("linetype %1").arg(layer->rawLinetype()));
    }
    for (const auto& block : d.blockTable().records()) {
        for (const auto& entity : block->entities())
            checkEntity(*block, *entity);
    }
    for (const auto& block : d.blockTable().records()) {
        // Assumption: no block holds a reference to itself, however deep
        // (see Block.InsertBlock).
        if (block->nests(*block))
            missing(position_, QStringLiteral("an end to the references within block %1").arg(block->rawName()));
    }
    const auto& sheet = d.paperSpace()->entities();
    const auto overall = sheet.empty() ? nullptr : std::dynamic_pointer_cast<Viewport>(sheet.front());
    if (!overall || !overall->isOverall())
        missing(position_, QStringLiteral("the overall viewport"));

    const auto current = d.layerTable().find(currentLayer_);
    if (!current)
        missing(stateLine_, QStringLiteral("current layer %1").arg(currentLayer_));
    d.setCurrentLayer(current->rawName());
    if (!activeViewport_.isEmpty()) {
        std::shared_ptr<Viewport> active;
        for (const auto& viewport : d.viewports()) {
            if (viewport->handle().compare(activeViewport_, Qt::CaseInsensitive) == 0 && !viewport->isOverall())
                active = viewport;
        }
        if (!active)
            missing(stateLine_, QStringLiteral("viewport %1").arg(activeViewport_));
        d.setActiveViewport(active);
    }
    d.setInFloatingViewport(inFloatingViewport_ && d.activeViewport() && !d.tileMode());
}

void DrawingReader::checkEntity(const Block& block, const EntityBase& entity)
{
    const int line = lineOf_.value(entity.handle());
    const Drawing& d = *drawing_;
    for (const auto& [kind, name] : entity.referencedNames()) {
        switch (kind) {
        case SymbolKind::Layer:
            if (!d.layerTable().find(name))
                missing(line, QStringLiteral("layer %1").arg(name));
            break;
        case SymbolKind::Linetype:
            if (!d.linetypeTable().find(name))
                missing(line, QStringLiteral("linetype %1").arg(name));
            break;
        case SymbolKind::TextStyle:
            if (!d.textStyleTable().find(name))
                missing(line, QStringLiteral("text style %1").arg(name));
            break;
        case SymbolKind::DimStyle:
            if (!d.dimStyleTable().find(name))
                missing(line, QStringLiteral("dimension style %1").arg(name));
            break;
        case SymbolKind::Block: {
            const auto target = d.blockTable().find(name);
            if (!target || target->rawLayout())
                missing(line, QStringLiteral("block %1").arg(name));
            break;
        }
        }
    }
    const QString problem = entity.misplacement(d, block);
    if (!problem.isEmpty())
        RecordReader::fail(line, problem);
}

}  // namespace standin
