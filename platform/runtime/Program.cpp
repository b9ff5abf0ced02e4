#include "platform/runtime/Program.h"

namespace runtime {

QString Program::file(const QString& name) const
{
    if (path.endsWith(u'\\') || path.endsWith(u'/'))
        return path + name;
    return path + u'\\' + name;
}

}  // namespace runtime
