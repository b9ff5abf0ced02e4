#include "platform/cad/remote/Codec.h"

#include "platform/runtime/Error.h"

#include <limits>

namespace remote {

void Codec<bool>::write(WireWriter& out, bool value, ObjectBridge&)
{
    out.tag(tag::Bool);
    out.boolean(value);
}

bool Codec<bool>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::Bool);
    return in.boolean();
}

void Codec<int>::write(WireWriter& out, int value, ObjectBridge&)
{
    out.tag(tag::Int);
    out.int32(value);
}

int Codec<int>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::Int);
    return in.int32();
}

void Codec<double>::write(WireWriter& out, double value, ObjectBridge&)
{
    out.tag(tag::Double);
    out.real(value);
}

double Codec<double>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::Double);
    return in.real();
}

void Codec<QString>::write(WireWriter& out, const QString& value, ObjectBridge&)
{
    out.tag(tag::String);
    out.text(value);
}

QString Codec<QString>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::String);
    return in.text();
}

void Codec<cad::Point>::write(WireWriter& out, const cad::Point& value, ObjectBridge&)
{
    out.tag(tag::Point);
    out.real(value.x);
    out.real(value.y);
    out.real(value.z);
}

cad::Point Codec<cad::Point>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::Point);
    cad::Point point;
    point.x = in.real();
    point.y = in.real();
    point.z = in.real();
    return point;
}

void Codec<cad::Point2>::write(WireWriter& out, const cad::Point2& value, ObjectBridge&)
{
    out.tag(tag::Point2);
    out.real(value.x);
    out.real(value.y);
}

cad::Point2 Codec<cad::Point2>::read(WireReader& in, ObjectBridge&)
{
    in.expectTag(tag::Point2);
    cad::Point2 point;
    point.x = in.real();
    point.y = in.real();
    return point;
}

void Codec<QVariant>::write(WireWriter& out, const QVariant& value, ObjectBridge&)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        out.tag(tag::Null);
        return;
    case QMetaType::Bool:
        out.tag(tag::Bool);
        out.boolean(value.toBool());
        return;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        out.tag(tag::Int);
        out.int32(value.toInt());
        return;
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        // Whole numbers that fit stay whole; larger ones become reals, as the
        // host's own variant conversion does.
        bool ok = false;
        const qlonglong whole = value.toLongLong(&ok);
        if (ok && value.typeId() != QMetaType::ULongLong && whole >= std::numeric_limits<int32_t>::min() &&
            whole <= std::numeric_limits<int32_t>::max()) {
            out.tag(tag::Int);
            out.int32(static_cast<int32_t>(whole));
        } else {
            out.tag(tag::Double);
            out.real(value.toDouble());
        }
        return;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        out.tag(tag::Double);
        out.real(value.toDouble());
        return;
    case QMetaType::QString:
        out.tag(tag::String);
        out.text(value.toString());
        return;
    default:
        WireReader::mismatch(QStringLiteral("a value of kind %1 cannot travel").arg(QString::fromLatin1(value.typeName())));
    }
}

QVariant Codec<QVariant>::read(WireReader& in, ObjectBridge&)
{
    switch (in.peekTag()) {
    case tag::Null:
        in.expectTag(tag::Null);
        return QVariant();
    case tag::Bool:
        in.expectTag(tag::Bool);
        return QVariant(in.boolean());
    case tag::Int:
        in.expectTag(tag::Int);
        return QVariant(static_cast<int>(in.int32()));
    case tag::Double:
        in.expectTag(tag::Double);
        return QVariant(in.real());
    case tag::String:
        in.expectTag(tag::String);
        return QVariant(in.text());
    default:
        WireReader::mismatch(QStringLiteral("a value of another type"));
    }
}

void Codec<QStringList>::write(WireWriter& out, const QStringList& values, ObjectBridge& bridge)
{
    out.tag(tag::List);
    out.uint32(static_cast<quint32>(values.size()));
    for (const QString& value : values)
        Codec<QString>::write(out, value, bridge);
}

QStringList Codec<QStringList>::read(WireReader& in, ObjectBridge& bridge)
{
    in.expectTag(tag::List);
    // A text is at least its tag and its length.
    const quint32 n = in.count(5);
    QStringList values;
    values.reserve(qsizetype(n));
    for (quint32 i = 0; i < n; ++i)
        values.append(Codec<QString>::read(in, bridge));
    return values;
}

}  // namespace remote
