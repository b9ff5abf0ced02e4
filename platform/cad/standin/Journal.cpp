#include "platform/cad/standin/Journal.h"

namespace standin {

QStringList Journal::matching(const QString& prefix) const
{
    QStringList found;
    for (const QString& entry : entries_) {
        if (entry.startsWith(prefix))
            found.append(entry);
    }
    return found;
}

}  // namespace standin
