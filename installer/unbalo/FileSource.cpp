#include "installer/unbalo/FileSource.h"

#include "platform/runtime/Error.h"

namespace unbalo {

FileSource::FileSource(const QString& hostPath) : file_(hostPath)
{
    if (!file_.open(QIODevice::ReadOnly))
        runtime::raise(runtime::err::FileNotFound);
}

qint64 FileSource::size() const { return file_.size(); }

QByteArray FileSource::read(qint64 offset, qint64 length) const
{
    if (offset < 0 || length < 0 || !file_.seek(offset))
        return {};
    return file_.read(length);
}

}  // namespace unbalo
