#include "batch/pollent/OperationList.h"

#include <QIcon>
#include <QTreeWidget>

namespace pollent {

const QList<OperationLine>& OperationList::lines()
{
    static const QList<OperationLine> table = {
        {QStringLiteral("Bind All Xref"), &OptionSet::DoBindAll},
        {QStringLiteral("Purge Drawings"), &OptionSet::DoPurge},
        {QStringLiteral("Archive Folder"), &OptionSet::DoArchive},
        {QStringLiteral("UpDate Attributes"), &OptionSet::DoAttributes},
        {QStringLiteral("Insert Block"), &OptionSet::DoInsertBlock},
        {QStringLiteral("Insert Xref"), &OptionSet::DoInsertXref},
        {QStringLiteral("Delete Xref"), &OptionSet::DoDeleteXref},
        {QStringLiteral("Delete Block"), &OptionSet::DoDeleteBlock},
    };
    return table;
}

void OperationList::batchlist(QTreeWidget& list, const OptionSet& options, const QIcon& icon)
{
    list.clear();
    for (const OperationLine& line : lines()) {
        if (!(options.*line.flag))
            continue;
        auto* item = new QTreeWidgetItem(&list, QStringList{line.caption});
        item->setIcon(0, icon);
    }
}

}  // namespace pollent
