#include "platform/cad/standin/DocumentCollection.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"

namespace standin {

DocumentCollection::DocumentCollection(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context)
    : host_(std::move(host)), context_(std::move(context))
{
}

std::shared_ptr<Host> DocumentCollection::host() const
{
    std::shared_ptr<Host> host = host_.lock();
    if (!host)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the host has ended"));
    return host;
}

int DocumentCollection::count() const
{
    context_->enter(QStringLiteral("Documents.Count"));
    return static_cast<int>(host()->documentList().size());
}

std::shared_ptr<cad::Document> DocumentCollection::item(int index) const
{
    context_->enter(QStringLiteral("Documents.Item"));
    const auto& documents = host()->documentList();
    if (index < 0 || index >= static_cast<int>(documents.size()))
        cad::raise(cad::err::InvalidArgument, QStringLiteral("no document %1").arg(index));
    return documents[static_cast<size_t>(index)];
}

std::shared_ptr<cad::Document> DocumentCollection::item(const QString& name) const
{
    context_->enter(QStringLiteral("Documents.Item"));
    for (const auto& document : host()->documentList()) {
        if (document->nameRaw().compare(name, Qt::CaseInsensitive) == 0)
            return document;
    }
    cad::raise(cad::err::KeyNotFound, QStringLiteral("no document %1").arg(name));
}

std::vector<std::shared_ptr<cad::Document>> DocumentCollection::items() const
{
    context_->enter(QStringLiteral("Documents.Item"));
    const auto& documents = host()->documentList();
    return {documents.begin(), documents.end()};
}

std::shared_ptr<cad::Document> DocumentCollection::add(const QString& templatePath)
{
    context_->act(QStringLiteral("Documents.Add"), templatePath);
    const std::shared_ptr<Host> owner = host();
    // Assumption: in single-document mode a second drawing cannot be added;
    // New replaces the one that is open.
    if (owner->singleDocument() && !owner->documentList().empty())
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("single-document mode holds one drawing"));
    return owner->addDocument(templatePath);
}

}  // namespace standin
