#include "project/kandrel/ProjectNumber.h"

namespace kandrel {

const QString ProjectNumber::Refused =
    QStringLiteral("Warning!!! A Project Number Cannot Hold \";\" Or Control Characters");

bool ProjectNumber::acceptable(const QString& number)
{
    for (const QChar c : number) {
        if (c == u';' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

}  // namespace kandrel
