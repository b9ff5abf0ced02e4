#include "batch/pollent/DrawingList.h"

#include <algorithm>

namespace pollent {

const QString DrawingList::Heading =
    QStringLiteral("Drawing List") + QString(21, u' ') + QStringLiteral("Right click on listbox for menu");

DrawingList::DrawingList(QIcon icon, QObject* parent) : IconList(Heading, std::move(icon), parent) {}

void DrawingList::sort(int column, Qt::SortOrder order)
{
    if (column != 0)
        return;
    QStringList sorted = paths();
    std::stable_sort(sorted.begin(), sorted.end(), [order](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    replace(std::move(sorted));
}

}  // namespace pollent
