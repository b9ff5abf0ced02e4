#include "platform/cad/standin/SelectionSetCollection.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/SelectionSet.h"

#include <algorithm>

namespace standin {

SelectionSetCollection::SelectionSetCollection(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context)
    : document_(std::move(document)), context_(std::move(context))
{
}

void SelectionSetCollection::enter(const QString& member) const
{
    Document::lockOpen(document_);
    context_->enter(member);
}

int SelectionSetCollection::count() const
{
    enter(QStringLiteral("SelectionSets.Count"));
    return static_cast<int>(sets_.size());
}

std::shared_ptr<cad::SelectionSet> SelectionSetCollection::item(int index) const
{
    enter(QStringLiteral("SelectionSets.Item"));
    if (index < 0 || index >= static_cast<int>(sets_.size()))
        cad::raise(cad::err::InvalidArgument, QStringLiteral("no selection set %1").arg(index));
    return sets_[static_cast<size_t>(index)];
}

std::shared_ptr<cad::SelectionSet> SelectionSetCollection::item(const QString& name) const
{
    enter(QStringLiteral("SelectionSets.Item"));
    std::shared_ptr<SelectionSet> set = find(name);
    if (!set)
        cad::raise(cad::err::KeyNotFound, QStringLiteral("no selection set %1").arg(name));
    return set;
}

std::vector<std::shared_ptr<cad::SelectionSet>> SelectionSetCollection::items() const
{
    enter(QStringLiteral("SelectionSets.Item"));
    return {sets_.begin(), sets_.end()};
}

std::shared_ptr<cad::SelectionSet> SelectionSetCollection::add(const QString& name)
{
    Document::lockOpen(document_);
    context_->act(QStringLiteral("SelectionSets.Add"), name);
    // Assumption: a set name already in use is refused as a duplicate, so a
    // tool deletes a left-over set before adding its own.
    if (find(name))
        cad::raise(cad::err::DuplicateRecordName, QStringLiteral("selection set %1 exists").arg(name));
    if (name.isEmpty())
        cad::raise(cad::err::InvalidInput, QStringLiteral("a selection set needs a name"));
    auto set = std::make_shared<SelectionSet>(document_, weak_from_this(), context_, name);
    sets_.push_back(set);
    return set;
}

void SelectionSetCollection::forget(const SelectionSet* set)
{
    sets_.erase(std::remove_if(sets_.begin(), sets_.end(), [set](const auto& held) { return held.get() == set; }),
                sets_.end());
}

void SelectionSetCollection::clearAll()
{
    for (const auto& set : sets_)
        set->markDeleted();
    sets_.clear();
}

std::shared_ptr<SelectionSet> SelectionSetCollection::find(const QString& name) const
{
    // Assumption: selection-set names are compared exactly, letter case
    // included, as the tools compare them when they look for a left-over set;
    // "SETPRES" is not the set "setpres".
    for (const auto& set : sets_) {
        if (set->rawName() == name)
            return set;
    }
    return nullptr;
}

}  // namespace standin
