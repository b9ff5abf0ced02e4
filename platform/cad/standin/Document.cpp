#include "platform/cad/standin/Document.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/CommandSink.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingFile.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/Plot.h"
#include "platform/cad/standin/Purger.h"
#include "platform/cad/standin/SelectionSetCollection.h"
#include "platform/cad/standin/SystemVariables.h"
#include "platform/cad/standin/Utility.h"
#include "platform/cad/standin/Validate.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <QRegularExpression>

namespace standin {

Document::Document(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context)
    : host_(std::move(host)), context_(std::move(context))
{
}

std::shared_ptr<Document> Document::create(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context,
                                           std::shared_ptr<Drawing> drawing, const QString& fullName,
                                           const QString& name, bool readOnly)
{
    auto document = std::make_shared<Document>(std::move(host), context);
    document->utility_ = std::make_shared<Utility>(document, context);
    document->plot_ = std::make_shared<Plot>(document, context);
    document->selectionSets_ = std::make_shared<SelectionSetCollection>(document, context);
    document->drawing_ = std::move(drawing);
    document->fullName_ = fullName;
    document->name_ = name;
    document->readOnly_ = readOnly;
    return document;
}

std::shared_ptr<Document> Document::lockOpen(const std::weak_ptr<Document>& document)
{
    std::shared_ptr<Document> locked = document.lock();
    if (locked)
        locked->context_->checkRunning();
    // Assumption: a call on a closed document fails with the host's general
    // exception error.
    if (!locked || locked->closed_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the document is closed"));
    return locked;
}

void Document::enter(const QString& member) const
{
    context_->checkRunning();
    if (closed_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the document is closed"));
    context_->enter(member);
}

void Document::act(const QString& member, const QString& detail) const
{
    context_->checkRunning();
    if (closed_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the document is closed"));
    context_->act(member, detail);
}

std::shared_ptr<Host> Document::host() const
{
    std::shared_ptr<Host> host = host_.lock();
    if (!host)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the host has ended"));
    return host;
}

void Document::replaceDrawing(std::shared_ptr<Drawing> drawing, const QString& fullName, const QString& name,
                              bool readOnly)
{
    // Assumption: replacing the drawing (Open or New in single-document mode)
    // discards unsaved changes without asking, as automation calls never
    // prompt.
    drawing_->close();
    selectionSets_->clearAll();
    drawing_ = std::move(drawing);
    fullName_ = fullName;
    name_ = name;
    readOnly_ = readOnly;
}

std::shared_ptr<cad::Document> Document::open(const QString& path)
{
    act(QStringLiteral("Document.Open"), path);
    const std::shared_ptr<Host> owner = host();
    if (!owner->singleDocument())
        return owner->openDocument(path);
    std::shared_ptr<Drawing> drawing = DrawingFile::load(context_, path);
    const QString found = DrawingFile::locate(context_->files(), path);
    // Assumption: a drawing whose file is read-only opens read-only.
    replaceDrawing(std::move(drawing), found, files::WinPath::fileName(found), context_->files().isReadOnly(found));
    return shared_from_this();
}

void Document::writeTo(const QString& path)
{
    DrawingFile::save(*drawing_, path);
    drawing_->setModified(false);
}

void Document::save()
{
    act(QStringLiteral("Document.Save"), fullName_);
    // Assumption: a drawing never saved has no file to save to; the host
    // refuses (SaveAs names the file).
    if (fullName_.isEmpty())
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("%1 has never been saved").arg(name_));
    // Assumption: saving a read-only drawing fails with &H80210063 and
    // writes nothing.
    if (readOnly_ || context_->files().isReadOnly(fullName_))
        cad::raise(cad::err::DrawingReadOnly, fullName_);
    writeTo(fullName_);
}

void Document::saveAs(const QString& path)
{
    act(QStringLiteral("Document.SaveAs"), path);
    const QString target = DrawingFile::withExtension(path);
    const bool sameFile = target.compare(fullName_, Qt::CaseInsensitive) == 0;
    if ((sameFile && readOnly_) || (context_->files().fileExists(target) && context_->files().isReadOnly(target)))
        cad::raise(cad::err::DrawingReadOnly, target);
    writeTo(target);
    fullName_ = target;
    name_ = files::WinPath::fileName(target);
    readOnly_ = false;
}

std::shared_ptr<cad::Document> Document::newDrawing(const QString& templatePath)
{
    act(QStringLiteral("Document.New"), templatePath);
    const std::shared_ptr<Host> owner = host();
    // Assumption: New works in single-document mode only; with several
    // documents the host wants Documents.Add.
    if (!owner->singleDocument())
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("New needs single-document mode"));
    std::shared_ptr<Drawing> drawing = owner->drawingFromTemplate(templatePath);
    replaceDrawing(std::move(drawing), QString(), owner->nextDrawingName(), false);
    return shared_from_this();
}

void Document::activate()
{
    act(QStringLiteral("Document.Activate"), name_);
    host()->makeActive(shared_from_this());
}

void Document::purgeAll()
{
    act(QStringLiteral("Document.PurgeAll"));
    if (Purger::purgeOnce(*drawing_) > 0)
        drawing_->touch();
}

void Document::regen(int which)
{
    act(QStringLiteral("Document.Regen"), QString::number(which));
    Validate::range(which, cad::regen::ActiveViewport, cad::regen::AllViewports, QStringLiteral("the regeneration"));
}

QVariant Document::getVariable(const QString& name) const
{
    enter(QStringLiteral("Document.GetVariable"));
    const SystemVariable& variable = SystemVariables::require(name);
    switch (variable.scope) {
    case VariableScope::Application:
        return context_->appVariable(variable.name);
    case VariableScope::Drawing:
        return drawing_->variable(variable.name);
    case VariableScope::Derived:
        break;
    }
    if (variable.name == QLatin1String("CLAYER"))
        return drawing_->currentLayer();
    if (variable.name == QLatin1String("DWGNAME"))
        return name_;
    // DWGPREFIX: the drawing's folder with its closing backslash.
    const QString folder = files::WinPath::parentFolder(fullName_);
    return folder.isEmpty() || folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\');
}

void Document::setVariable(const QString& name, const QVariant& value)
{
    act(QStringLiteral("Document.SetVariable"), name + QLatin1Char(' ') + value.toString());
    const SystemVariable& variable = SystemVariables::require(name);
    // Assumption: read-only variables are refused as invalid input.
    if (variable.readOnly)
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 is read-only").arg(variable.name));
    const QVariant coerced = SystemVariables::coerce(variable, value);
    if (variable.name == QLatin1String("SDI")) {
        // Assumption: single-document mode cannot be entered while two or
        // more drawings are open.
        if (coerced.toInt() == 1 && host()->documentList().size() > 1)
            cad::raise(cad::err::InvalidInput, QStringLiteral("SDI cannot be 1 while several drawings are open"));
        context_->setAppVariable(variable.name, coerced);
    } else if (variable.name == QLatin1String("CLAYER")) {
        const auto layer = drawing_->layerTable().find(coerced.toString());
        if (!layer)
            cad::raise(cad::err::KeyNotFound, QStringLiteral("layer %1").arg(coerced.toString()));
        setActiveLayer(layer);
    } else if (variable.name == QLatin1String("TILEMODE")) {
        setTileMode(coerced.toInt() == 1);
    } else if (variable.scope == VariableScope::Application) {
        context_->setAppVariable(variable.name, coerced);
    } else {
        drawing_->setVariable(variable.name, coerced);
        drawing_->touch();
    }
}

void Document::sendCommand(const QString& text)
{
    act(QStringLiteral("Document.SendCommand"), text);
    if (CommandSink* sink = context_->commandSink()) {
        sink->sendCommand(*this, text);
        return;
    }
    const QString trimmed = text.trimmed();
    // A LISP expression is evaluated, not started as a command.
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('(')))
        return;
    const QString command = Host::commandNameOf(trimmed.section(QRegularExpression(QStringLiteral("\\s")), 0, 0));
    if (!command.isEmpty())
        host()->fireBeginCommand(command);
}

std::shared_ptr<cad::Layer> Document::activeLayer() const
{
    enter(QStringLiteral("Document.ActiveLayer"));
    return drawing_->layerTable().find(drawing_->currentLayer());
}

void Document::setActiveLayer(const std::shared_ptr<cad::Layer>& layer)
{
    const auto* ours = dynamic_cast<const Layer*>(layer.get());
    act(QStringLiteral("Document.ActiveLayer"), ours ? ours->rawName() : QString());
    // Assumption: only a layer of this drawing, and not a frozen one, can be
    // made current.
    const auto found = ours ? drawing_->layerTable().find(ours->rawName()) : nullptr;
    if (!found || found.get() != ours)
        cad::raise(cad::err::InvalidInput, QStringLiteral("the layer is not in this drawing"));
    if (found->rawFrozen())
        cad::raise(cad::err::InvalidInput, QStringLiteral("a frozen layer cannot be current"));
    drawing_->setCurrentLayer(found->rawName());
    drawing_->touch();
}

int Document::activeSpace() const
{
    enter(QStringLiteral("Document.ActiveSpace"));
    return drawing_->tileMode() ? cad::space::Model : cad::space::Paper;
}

void Document::setActiveSpace(int space)
{
    act(QStringLiteral("Document.ActiveSpace"), QString::number(space));
    Validate::range(space, cad::space::Paper, cad::space::Model, QStringLiteral("the space"));
    setTileMode(space == cad::space::Model);
}

void Document::setTileMode(bool model)
{
    // Assumption: the active space follows "tilemode": the model tab is model
    // space, a layout is paper space, and switching leaves any viewport.
    drawing_->setVariable(QStringLiteral("TILEMODE"), model ? 1 : 0);
    drawing_->setInFloatingViewport(false);
    drawing_->touch();
}

bool Document::mSpace() const
{
    enter(QStringLiteral("Document.MSpace"));
    return !drawing_->tileMode() && drawing_->inFloatingViewport();
}

void Document::setMSpace(bool on)
{
    act(QStringLiteral("Document.MSpace"), JournalText::flag(on));
    if (!on) {
        drawing_->setInFloatingViewport(false);
        return;
    }
    // Assumption: model space through a viewport needs a layout and a
    // floating viewport that is on; the last active one is used, else the
    // first.
    if (drawing_->tileMode())
        cad::raise(cad::err::InvalidInput, QStringLiteral("MSpace needs a layout"));
    std::shared_ptr<Viewport> target = drawing_->activeViewport();
    if (!target || !target->isOn()) {
        target.reset();
        for (const auto& viewport : drawing_->viewports()) {
            if (!viewport->isOverall() && viewport->isOn()) {
                target = viewport;
                break;
            }
        }
    }
    if (!target)
        cad::raise(cad::err::InvalidInput, QStringLiteral("no viewport is on"));
    drawing_->setActiveViewport(target);
    drawing_->setInFloatingViewport(true);
}

std::shared_ptr<cad::PViewport> Document::activePViewport() const
{
    enter(QStringLiteral("Document.ActivePViewport"));
    // Assumption: the model tab has no paper-space viewport to report.
    if (drawing_->tileMode())
        cad::raise(cad::err::InvalidInput, QStringLiteral("the model tab has no paper-space viewport"));
    if (std::shared_ptr<Viewport> active = drawing_->activeViewport())
        return active;
    return drawing_->viewports().front();
}

void Document::setActivePViewport(const std::shared_ptr<cad::PViewport>& viewport)
{
    const auto* ours = dynamic_cast<const Viewport*>(viewport.get());
    act(QStringLiteral("Document.ActivePViewport"), ours ? ours->handle() : QString());
    // Assumption: only a floating viewport of this drawing's layout that is
    // on can become the active one, and only while the layout is shown.
    std::shared_ptr<Viewport> found;
    for (const auto& candidate : drawing_->viewports()) {
        if (candidate.get() == ours)
            found = candidate;
    }
    if (drawing_->tileMode() || !found || found->isOverall() || !found->isOn())
        cad::raise(cad::err::InvalidInput, QStringLiteral("the viewport cannot be made active"));
    drawing_->setActiveViewport(found);
}

std::shared_ptr<cad::Layout> Document::activeLayout() const
{
    enter(QStringLiteral("Document.ActiveLayout"));
    return drawing_->tileMode() ? drawing_->modelLayout() : drawing_->paperLayout();
}

std::shared_ptr<cad::Plot> Document::plot() const
{
    enter(QStringLiteral("Document.Plot"));
    return plot_;
}

std::shared_ptr<cad::Utility> Document::utility() const
{
    enter(QStringLiteral("Document.Utility"));
    return utility_;
}

std::shared_ptr<cad::SelectionSets> Document::selectionSets() const
{
    enter(QStringLiteral("Document.SelectionSets"));
    return selectionSets_;
}

std::shared_ptr<cad::Application> Document::application() const
{
    enter(QStringLiteral("Document.Application"));
    return host();
}

std::shared_ptr<cad::Block> Document::modelSpace() const
{
    enter(QStringLiteral("Document.ModelSpace"));
    return drawing_->modelSpace();
}

std::shared_ptr<cad::Block> Document::paperSpace() const
{
    enter(QStringLiteral("Document.PaperSpace"));
    return drawing_->paperSpace();
}

std::shared_ptr<cad::Blocks> Document::blocks() const
{
    enter(QStringLiteral("Document.Blocks"));
    return drawing_->blocks();
}

std::shared_ptr<cad::Layers> Document::layers() const
{
    enter(QStringLiteral("Document.Layers"));
    return drawing_->layers();
}

std::shared_ptr<cad::Linetypes> Document::linetypes() const
{
    enter(QStringLiteral("Document.Linetypes"));
    return drawing_->linetypes();
}

std::shared_ptr<cad::DimStyles> Document::dimStyles() const
{
    enter(QStringLiteral("Document.DimStyles"));
    return drawing_->dimStyles();
}

std::shared_ptr<cad::TextStyles> Document::textStyles() const
{
    enter(QStringLiteral("Document.TextStyles"));
    return drawing_->textStyles();
}

QString Document::fullName() const
{
    enter(QStringLiteral("Document.FullName"));
    return fullName_;
}

QString Document::path() const
{
    enter(QStringLiteral("Document.Path"));
    return files::WinPath::parentFolder(fullName_);
}

QString Document::name() const
{
    enter(QStringLiteral("Document.Name"));
    return name_;
}

bool Document::readOnly() const
{
    enter(QStringLiteral("Document.ReadOnly"));
    return readOnly_;
}

std::vector<std::shared_ptr<cad::Entity>> Document::workingEntities() const
{
    const bool model = drawing_->tileMode() || drawing_->inFloatingViewport();
    const auto& entities = (model ? drawing_->modelSpace() : drawing_->paperSpace())->entities();
    return {entities.begin(), entities.end()};
}

void Document::close()
{
    closed_ = true;
    drawing_->close();
    selectionSets_->clearAll();
}

}  // namespace standin
