// Feeds arbitrary bytes to the preview reader as a drawing file: whatever the
// bytes, it answers without reading outside them, and an image it returns has
// the size its header names and fits in the bytes it came from.
#include "project/fentrow/preview/DwgPreview.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of just the input, so a read past it is caught by the sanitizer.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const fentrow::DwgPreview::Result result = fentrow::DwgPreview::read(bytes);
    switch (result.kind) {
    case fentrow::DwgPreview::Kind::Image:
        if (result.image.isNull() || qint64(result.image.width()) * result.image.height() > qint64(size))
            std::abort();
        break;
    case fentrow::DwgPreview::Kind::NoPreview:
        if (!result.image.isNull())
            std::abort();
        break;
    case fentrow::DwgPreview::Kind::Damaged:
        if (result.problem.isEmpty() || !result.image.isNull())
            std::abort();
        break;
    }
    const QString release = fentrow::DwgPreview::release(bytes);
    if (release.isEmpty())
        std::abort();
    return 0;
}
