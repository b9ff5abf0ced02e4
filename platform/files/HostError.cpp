#include "platform/files/HostError.h"

#include "platform/runtime/Error.h"

#include <cerrno>

namespace files {

namespace {
constexpr int32_t DeviceIoError = 57;
}

int32_t HostError::number(int errnoValue, int32_t whenMissing)
{
    using namespace runtime::err;
    switch (errnoValue) {
    case ENOENT:
        return whenMissing;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
        return BadFileNameOrNumber;
    case EIO:
        return DeviceIoError;
    default:
        // EISDIR, EEXIST, ENOTEMPTY, EBUSY, ETXTBSY and the rest: the file is
        // there but cannot be used that way.
        return PathFileAccessError;
    }
}

void HostError::raise(int errnoValue, int32_t whenMissing)
{
    runtime::raise(number(errnoValue, whenMissing));
}

}  // namespace files
