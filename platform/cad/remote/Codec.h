#pragma once
// How each C++ type of the object model travels: Codec<T>::write puts a value
// into a body, Codec<T>::read takes one out, strictly. Both ends use the same
// codecs, so a type's encoding is written once; objects and callbacks go
// through the end's ObjectBridge.

#include "platform/cad/Point.h"
#include "platform/cad/remote/ObjectBridge.h"
#include "platform/cad/remote/WireReader.h"
#include "platform/cad/remote/WireTag.h"
#include "platform/cad/remote/WireWriter.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace remote {

class InterfaceInfo;
template <class T>
const InterfaceInfo& interfaceOf();

template <typename T>
struct Codec;

template <>
struct Codec<bool> {
    static void write(WireWriter& out, bool value, ObjectBridge&);
    static bool read(WireReader& in, ObjectBridge&);
};

template <>
struct Codec<int> {
    static void write(WireWriter& out, int value, ObjectBridge&);
    static int read(WireReader& in, ObjectBridge&);
};

template <>
struct Codec<double> {
    static void write(WireWriter& out, double value, ObjectBridge&);
    static double read(WireReader& in, ObjectBridge&);
};

template <>
struct Codec<QString> {
    static void write(WireWriter& out, const QString& value, ObjectBridge&);
    static QString read(WireReader& in, ObjectBridge&);
};

template <>
struct Codec<cad::Point> {
    static void write(WireWriter& out, const cad::Point& value, ObjectBridge&);
    static cad::Point read(WireReader& in, ObjectBridge&);
};

template <>
struct Codec<cad::Point2> {
    static void write(WireWriter& out, const cad::Point2& value, ObjectBridge&);
    static cad::Point2 read(WireReader& in, ObjectBridge&);
};

// System variable values: nothing, a truth value, an integer, a real or a
// text. Other kinds do not travel (13).
template <>
struct Codec<QVariant> {
    static void write(WireWriter& out, const QVariant& value, ObjectBridge&);
    static QVariant read(WireReader& in, ObjectBridge&);
};

// Smallest encoded size of one value: its tag.
inline constexpr qsizetype MinimumValueBytes = 1;

template <typename T>
struct Codec<std::vector<T>> {
    static void write(WireWriter& out, const std::vector<T>& values, ObjectBridge& bridge)
    {
        out.tag(tag::List);
        out.uint32(static_cast<quint32>(values.size()));
        for (const T& value : values)
            Codec<T>::write(out, value, bridge);
    }
    static std::vector<T> read(WireReader& in, ObjectBridge& bridge)
    {
        in.expectTag(tag::List);
        const quint32 n = in.count(MinimumValueBytes);
        std::vector<T> values;
        values.reserve(n);
        for (quint32 i = 0; i < n; ++i)
            values.push_back(Codec<T>::read(in, bridge));
        return values;
    }
};

template <>
struct Codec<QStringList> {
    static void write(WireWriter& out, const QStringList& values, ObjectBridge& bridge);
    static QStringList read(WireReader& in, ObjectBridge& bridge);
};

template <typename T>
struct Codec<std::optional<T>> {
    static void write(WireWriter& out, const std::optional<T>& value, ObjectBridge& bridge)
    {
        if (value)
            Codec<T>::write(out, *value, bridge);
        else
            out.tag(tag::Null);
    }
    static std::optional<T> read(WireReader& in, ObjectBridge& bridge)
    {
        if (in.takeNull())
            return std::nullopt;
        return Codec<T>::read(in, bridge);
    }
};

template <typename A, typename B>
struct Codec<std::pair<A, B>> {
    static void write(WireWriter& out, const std::pair<A, B>& value, ObjectBridge& bridge)
    {
        out.tag(tag::List);
        out.uint32(2);
        Codec<A>::write(out, value.first, bridge);
        Codec<B>::write(out, value.second, bridge);
    }
    static std::pair<A, B> read(WireReader& in, ObjectBridge& bridge)
    {
        in.expectTag(tag::List);
        if (in.count(MinimumValueBytes) != 2)
            WireReader::mismatch(QStringLiteral("a pair of other than two values"));
        A first = Codec<A>::read(in, bridge);
        B second = Codec<B>::read(in, bridge);
        return {std::move(first), std::move(second)};
    }
};

template <typename T>
struct Codec<std::shared_ptr<T>> {
    static void write(WireWriter& out, const std::shared_ptr<T>& object, ObjectBridge& bridge)
    {
        if (!object) {
            out.tag(tag::Null);
            return;
        }
        bridge.writeObject(out, std::shared_ptr<void>(object), interfaceOf<T>());
    }
    static std::shared_ptr<T> read(WireReader& in, ObjectBridge& bridge)
    {
        if (in.takeNull())
            return nullptr;
        return std::static_pointer_cast<T>(bridge.readObject(in, interfaceOf<T>()));
    }
};

// The decayed argument types of a parameter list, as a tuple to decode into.
template <typename... A>
using ValueTuple = std::tuple<std::decay_t<A>...>;

// Decodes a whole argument list in order (a braced list is evaluated left to
// right) and checks nothing is left over.
template <typename... A>
ValueTuple<A...> readArguments(WireReader& in, [[maybe_unused]] ObjectBridge& bridge)
{
    ValueTuple<A...> values{Codec<std::decay_t<A>>::read(in, bridge)...};
    in.expectEnd();
    return values;
}

template <typename... A>
struct Codec<std::function<void(A...)>> {
    using Function = std::function<void(A...)>;

    static void write(WireWriter& out, const Function& function, ObjectBridge& bridge)
    {
        if (!function) {
            out.tag(tag::Null);
            return;
        }
        bridge.writeCallback(out, [function](WireReader& in, ObjectBridge& b) {
            std::apply(function, readArguments<A...>(in, b));
        });
    }
    static Function read(WireReader& in, ObjectBridge& bridge)
    {
        if (in.takeNull())
            return {};
        std::shared_ptr<RemoteCallback> target = bridge.readCallback(in);
        return [target](A... arguments) {
            target->invoke([&](WireWriter& out, [[maybe_unused]] ObjectBridge& b) {
                (Codec<std::decay_t<A>>::write(out, arguments, b), ...);
            });
        };
    }
};

}  // namespace remote
