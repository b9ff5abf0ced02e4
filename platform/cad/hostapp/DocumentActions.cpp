#include "platform/cad/hostapp/DocumentActions.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/WinPath.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"

namespace hostapp {

namespace {
const forms::FileFilter DrawingFilter{QStringLiteral("Drawing (*.dwg)"), QStringLiteral("*.dwg")};
}  // namespace

DocumentActions::DocumentActions(standin::Host& host, forms::Interaction& ui, QString workingFolder)
    : host_(host), ui_(ui), workingFolder_(std::move(workingFolder))
{
}

void DocumentActions::report(const QString& text) { ui_.msgBox(text, forms::msgbox::Critical); }

void DocumentActions::open()
{
    forms::FileDialogRequest request;
    request.title = QStringLiteral("Select File");
    request.filters = {DrawingFilter};
    request.initialFolder = workingFolder_;
    request.defaultExtension = QStringLiteral("dwg");
    request.flags = forms::FileDialogRequest::FileMustExist | forms::FileDialogRequest::HideReadOnly;
    const QString path = ui_.openFileDialog(request);
    if (path.isEmpty())
        return;
    for (const auto& document : host_.documentList()) {
        if (document->fullNameRaw().compare(path, Qt::CaseInsensitive) == 0) {
            host_.makeActive(document);
            return;
        }
    }
    try {
        const std::shared_ptr<standin::Document> active = host_.active();
        // In single-document mode the drawing takes the place of the open one.
        if (host_.singleDocument() && active) {
            if (!askToSave(active))
                return;
            active->open(path);
        } else {
            host_.openDocument(path);
        }
    } catch (const runtime::Error& error) {
        report(QStringLiteral("Cannot open %1: %2").arg(path, error.description()));
    }
}

bool DocumentActions::save(const std::shared_ptr<standin::Document>& document)
{
    // A drawing without a file, or one that is read-only, is saved under a
    // name the person gives.
    if (document->fullNameRaw().isEmpty() || document->readOnly())
        return saveAs(document);
    try {
        document->save();
        return true;
    } catch (const runtime::Error& error) {
        if (error.number() == cad::err::DrawingReadOnly)
            return saveAs(document);
        report(QStringLiteral("Cannot save %1: %2").arg(document->nameRaw(), error.description()));
        return false;
    }
}

bool DocumentActions::saveAs(const std::shared_ptr<standin::Document>& document)
{
    forms::FileDialogRequest request;
    request.title = QStringLiteral("Save Drawing As");
    request.filters = {DrawingFilter};
    const QString folder = files::WinPath::parentFolder(document->fullNameRaw());
    request.initialFolder = folder.isEmpty() ? workingFolder_ : folder;
    request.initialFileName = document->nameRaw();
    request.defaultExtension = QStringLiteral("dwg");
    request.flags = forms::FileDialogRequest::OverwritePrompt | forms::FileDialogRequest::HideReadOnly;
    const QString path = ui_.saveFileDialog(request);
    if (path.isEmpty())
        return false;
    try {
        document->saveAs(path);
        return true;
    } catch (const runtime::Error& error) {
        report(QStringLiteral("Cannot save %1: %2").arg(path, error.description()));
        return false;
    }
}

bool DocumentActions::close(const std::shared_ptr<standin::Document>& document)
{
    if (!askToSave(document))
        return false;
    host_.closeDocument(document);
    return true;
}

bool DocumentActions::askToSave(const std::shared_ptr<standin::Document>& document)
{
    if (document->isClosed() || !document->drawing()->isModified())
        return true;
    const int answer = ui_.msgBox(QStringLiteral("Save changes to %1?").arg(document->nameRaw()),
                                  forms::msgbox::YesNoCancel + forms::msgbox::Exclamation);
    if (answer == forms::msgbox::Yes)
        return save(document);
    return answer == forms::msgbox::No;
}

bool DocumentActions::confirmEnd()
{
    // A copy: a save may not change the list, but a tool's call served while
    // a box waits may.
    const std::vector<std::shared_ptr<standin::Document>> documents = host_.documentList();
    for (const auto& document : documents) {
        if (!askToSave(document))
            return false;
    }
    return true;
}

}  // namespace hostapp
