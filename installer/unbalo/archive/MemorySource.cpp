#include "installer/unbalo/archive/MemorySource.h"

namespace unbalo {

QByteArray MemorySource::read(qint64 offset, qint64 length) const
{
    if (offset < 0 || length < 0 || offset > bytes_.size())
        return {};
    return bytes_.mid(offset, qMin(length, bytes_.size() - offset));
}

}  // namespace unbalo
