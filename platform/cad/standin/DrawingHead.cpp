#include "platform/cad/standin/DrawingHead.h"

#include "platform/cad/CadErrors.h"

#include <QtEndian>
#include <algorithm>

namespace standin {

const QByteArray DrawingHead::ReleaseTag = QByteArrayLiteral("AC1015");

namespace {

// Our own marker; readers skip it.
const QByteArray Sentinel = QByteArrayLiteral("STANDIN-IMAGES\0\0");

[[noreturn]] void damaged(const QString& why)
{
    cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the drawing file is damaged (%1)").arg(why));
}

qint32 int32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

}  // namespace

QByteArray DrawingHead::build()
{
    QByteArray head(ImageBlockOffset, '\0');
    head.replace(0, ReleaseTag.size(), ReleaseTag);
    qToLittleEndian<qint32>(ImageBlockOffset, head.data() + 13);
    head.append(Sentinel);
    QByteArray size(4, '\0');
    qToLittleEndian<qint32>(1, size.data());  // the count byte and no records
    head.append(size);
    head.append('\0');  // N = 0
    return head;
}

qsizetype DrawingHead::bodyOffset(const QByteArray& file)
{
    const qsizetype length = file.size();
    if (length < ImageBlockOffset || !file.startsWith(ReleaseTag))
        damaged(QStringLiteral("not a drawing of release %1").arg(QString::fromLatin1(ReleaseTag)));
    const qint64 image = int32At(file, 13);
    if (image < 17 || image + 21 > length)
        damaged(QStringLiteral("image block outside the file"));
    const int records = static_cast<unsigned char>(file[image + 20]);
    qint64 end = image + 21 + qint64(records) * 9;
    if (end > length)
        damaged(QStringLiteral("image records outside the file"));
    for (int i = 0; i < records; ++i) {
        const qsizetype record = image + 21 + qsizetype(i) * 9;
        const qint64 start = int32At(file, record + 1);
        const qint64 size = int32At(file, record + 5);
        if (start < 0 || size < 0 || start + size > length)
            damaged(QStringLiteral("image data outside the file"));
        end = std::max(end, start + size);
    }
    return end;
}

}  // namespace standin
