#include "platform/cad/remote/WireWriter.h"

#include <QtEndian>
#include <cstring>

namespace remote {

void WireWriter::int32(int32_t value) { uint32(static_cast<quint32>(value)); }

void WireWriter::uint32(quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes_.append(raw, 4);
}

void WireWriter::uint64(quint64 value)
{
    char raw[8];
    qToLittleEndian(value, raw);
    bytes_.append(raw, 8);
}

void WireWriter::real(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    uint64(bits);
}

void WireWriter::text(const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    uint32(static_cast<quint32>(utf8.size()));
    bytes_.append(utf8);
}

}  // namespace remote
