#include "platform/cad/remote/WireReader.h"

#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/WireTag.h"

#include <QtEndian>
#include <cstring>

namespace remote {

namespace {
[[noreturn]] void missingValue()
{
    runtime::raise(protocol::err::WrongArgumentCount, protocol::wrongArgumentCountDescription());
}
}  // namespace

void WireReader::mismatch(const QString& detail)
{
    runtime::raise(runtime::err::TypeMismatch, runtime::defaultDescription(runtime::err::TypeMismatch) +
                                                   QStringLiteral(": ") + detail);
}

const char* WireReader::take(qsizetype size)
{
    if (size < 0 || size > remaining())
        mismatch(QStringLiteral("the message ends inside a value"));
    const char* at = bytes_.constData() + pos_;
    pos_ += size;
    return at;
}

char WireReader::peekTag() const
{
    if (atEnd())
        missingValue();
    return bytes_.at(pos_);
}

void WireReader::expectTag(char tag)
{
    const char found = peekTag();
    if (found != tag)
        mismatch(QStringLiteral("a value of another type"));
    ++pos_;
}

bool WireReader::takeNull()
{
    if (peekTag() != tag::Null)
        return false;
    ++pos_;
    return true;
}

bool WireReader::boolean()
{
    const char value = *take(1);
    if (value != '\0' && value != '\1')
        mismatch(QStringLiteral("a truth value other than 0 or 1"));
    return value == '\1';
}

int32_t WireReader::int32() { return static_cast<int32_t>(uint32()); }

quint32 WireReader::uint32() { return qFromLittleEndian<quint32>(take(4)); }

quint64 WireReader::uint64() { return qFromLittleEndian<quint64>(take(8)); }

double WireReader::real()
{
    const quint64 bits = uint64();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString WireReader::text()
{
    const quint32 size = uint32();
    if (qsizetype(size) > remaining())
        mismatch(QStringLiteral("a text longer than the message"));
    const char* at = take(qsizetype(size));
    return QString::fromUtf8(at, qsizetype(size));
}

quint32 WireReader::count(qsizetype minimumBytesEach)
{
    const quint32 n = uint32();
    if (minimumBytesEach > 0 && qsizetype(n) > remaining() / minimumBytesEach)
        mismatch(QStringLiteral("a list longer than the message"));
    return n;
}

void WireReader::expectEnd() const
{
    if (!atEnd())
        missingValue();
}

}  // namespace remote
