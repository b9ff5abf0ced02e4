#include "platform/cad/standin/SelectionSet.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/SelectionSetCollection.h"
#include "platform/cad/standin/User.h"

#include <algorithm>

namespace standin {

SelectionSet::SelectionSet(std::weak_ptr<Document> document, std::weak_ptr<SelectionSetCollection> owner,
                           std::shared_ptr<HostContext> context, QString name)
    : document_(std::move(document)), owner_(std::move(owner)), context_(std::move(context)), name_(std::move(name))
{
}

void SelectionSet::enter(const QString& member) const
{
    Document::lockOpen(document_);
    if (deleted_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the selection set %1 was deleted").arg(name_));
    context_->enter(member);
}

void SelectionSet::act(const QString& member) const
{
    Document::lockOpen(document_);
    if (deleted_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the selection set %1 was deleted").arg(name_));
    context_->act(member, name_);
}

QString SelectionSet::name() const
{
    enter(QStringLiteral("SelectionSet.Name"));
    return name_;
}

int SelectionSet::count() const
{
    enter(QStringLiteral("SelectionSet.Count"));
    return static_cast<int>(entities_.size());
}

std::shared_ptr<cad::Entity> SelectionSet::item(int index) const
{
    enter(QStringLiteral("SelectionSet.Item"));
    if (index < 0 || index >= static_cast<int>(entities_.size()))
        cad::raise(cad::err::InvalidArgument, QStringLiteral("%1 has no item %2").arg(name_).arg(index));
    return entities_[static_cast<size_t>(index)];
}

std::vector<std::shared_ptr<cad::Entity>> SelectionSet::items() const
{
    enter(QStringLiteral("SelectionSet.Item"));
    return entities_;
}

void SelectionSet::addItems(const std::vector<std::shared_ptr<cad::Entity>>& entities)
{
    act(QStringLiteral("SelectionSet.AddItems"));
    addUnique(entities);
}

void SelectionSet::clear()
{
    act(QStringLiteral("SelectionSet.Clear"));
    entities_.clear();
}

void SelectionSet::selectOnScreen()
{
    act(QStringLiteral("SelectionSet.SelectOnScreen"));
    const std::shared_ptr<Document> document = Document::lockOpen(document_);
    User* user = context_->user();
    if (!user)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no one answers the selection"));
    context_->setAppVariable(QStringLiteral("LASTPROMPT"), SelectPrompt);
    const SelectionAnswer answer = user->askSelection(document->workingEntities());
    // Assumption: the host does not raise when a selection is cancelled or
    // interrupted; the caller tells by the last prompt.
    addUnique(answer.entities);
    context_->setAppVariable(QStringLiteral("LASTPROMPT"), answer.lastPrompt);
}

void SelectionSet::remove()
{
    act(QStringLiteral("SelectionSet.Delete"));
    if (const auto owner = owner_.lock())
        owner->forget(this);
    entities_.clear();
    deleted_ = true;
}

void SelectionSet::addUnique(const std::vector<std::shared_ptr<cad::Entity>>& entities)
{
    for (const auto& entity : entities) {
        if (entity && std::find(entities_.begin(), entities_.end(), entity) == entities_.end())
            entities_.push_back(entity);
    }
}

}  // namespace standin
