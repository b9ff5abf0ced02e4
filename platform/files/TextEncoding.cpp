#include "platform/files/TextEncoding.h"

#include <QStringDecoder>

namespace files {

namespace {
const QByteArray utf8Bom("\xEF\xBB\xBF");

bool fitsLatin1(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}
}  // namespace

TextEncoding::Decoded TextEncoding::decode(const QByteArray& bytes)
{
    Decoded result;
    QByteArrayView body(bytes);
    if (bytes.startsWith(utf8Bom)) {
        result.byteOrderMark = true;
        body = body.sliced(utf8Bom.size());
    }
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    result.text = decoder(body);
    if (decoder.hasError()) {
        result.kind = Kind::Latin1;
        result.text = QString::fromLatin1(body);
    }
    return result;
}

QByteArray TextEncoding::encode(const QString& text, Kind kind, bool byteOrderMark)
{
    if (kind == Kind::Latin1 && fitsLatin1(text))
        return text.toLatin1();
    QByteArray bytes = text.toUtf8();
    if (byteOrderMark)
        bytes.prepend(utf8Bom);
    return bytes;
}

}  // namespace files
