#include "batch/pollent/OperationList.h"

namespace pollent {

const QString OperationList::Heading =
    QStringLiteral("Pollent  (What to with the drawings)  Right click on listbox for menu");

OperationList::OperationList(QIcon icon, QObject* parent) : IconList(Heading, std::move(icon), parent) {}

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

QString OperationList::captionOf(bool OptionSet::*flag)
{
    for (const OperationLine& line : lines()) {
        if (line.flag == flag)
            return line.caption;
    }
    return {};
}

void OperationList::batchlist(const OptionSet& options)
{
    QStringList shown;
    for (const OperationLine& line : lines()) {
        if (options.*line.flag)
            shown.append(line.caption);
    }
    replace(std::move(shown));
}

}  // namespace pollent
