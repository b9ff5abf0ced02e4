// The encoding of values, names and paths both ends share.
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/Message.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/SocketPath.h"
#include "platform/testing/ErrorOf.h"

#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <tuple>
#include <vector>

using testing_env::errorOf;

namespace {

// Values only: any object or handler that reaches it is a fault.
class NoObjects : public remote::ObjectBridge {
public:
    void writeObject(remote::WireWriter&, const std::shared_ptr<void>&, const remote::InterfaceInfo&) override
    {
        ADD_FAILURE();
    }
    std::shared_ptr<void> readObject(remote::WireReader&, const remote::InterfaceInfo&) override
    {
        ADD_FAILURE();
        return nullptr;
    }
    void writeCallback(remote::WireWriter&, remote::CallbackInvoker) override { ADD_FAILURE(); }
    std::shared_ptr<remote::RemoteCallback> readCallback(remote::WireReader&) override
    {
        ADD_FAILURE();
        return nullptr;
    }
};

template <typename T>
QByteArray encoded(const T& value)
{
    NoObjects bridge;
    remote::WireWriter out;
    remote::Codec<T>::write(out, value, bridge);
    return out.take();
}

template <typename T>
T decoded(const QByteArray& bytes)
{
    NoObjects bridge;
    remote::WireReader in(bytes);
    T value = remote::Codec<T>::read(in, bridge);
    in.expectEnd();
    return value;
}

template <typename T>
T roundTrip(const T& value)
{
    return decoded<T>(encoded(value));
}

TEST(Wire, ValuesRoundTripExactly)
{
    EXPECT_EQ(roundTrip(true), true);
    EXPECT_EQ(roundTrip(false), false);
    EXPECT_EQ(roundTrip(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
    EXPECT_EQ(roundTrip(-1), -1);
    EXPECT_EQ(roundTrip(0.1 + 0.2), 0.1 + 0.2);
    EXPECT_TRUE(std::signbit(roundTrip(-0.0)));
    EXPECT_TRUE(std::isnan(roundTrip(std::nan(""))));
    EXPECT_EQ(roundTrip(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
    EXPECT_EQ(roundTrip(QString()), QString());
    EXPECT_EQ(roundTrip(QStringLiteral("Ä½ \u00B0 \U0001F4D0 \"quoted\"\n")), QStringLiteral("Ä½ \u00B0 \U0001F4D0 \"quoted\"\n"));
    EXPECT_EQ(roundTrip(cad::Point{1e-300, -2.5, 1e300}), (cad::Point{1e-300, -2.5, 1e300}));
    EXPECT_EQ(roundTrip(cad::Point2{-1, 0.5}), (cad::Point2{-1, 0.5}));
    const std::vector<cad::Point> points{{0, 0, 0}, {1, 2, 3}};
    EXPECT_EQ(roundTrip(points), points);
    EXPECT_EQ(roundTrip(std::vector<cad::Point>{}), std::vector<cad::Point>{});
    const QStringList names{QStringLiteral("A4"), QString(), QStringLiteral("ISO A3 (420.00 x 297.00 MM)")};
    EXPECT_EQ(roundTrip(names), names);
    const std::pair<cad::Point2, cad::Point2> window{{1, 2}, {3, 4}};
    EXPECT_EQ(roundTrip(window), window);
    EXPECT_EQ(roundTrip(std::optional<cad::Point>()), std::nullopt);
    EXPECT_EQ(roundTrip(std::optional<cad::Point>(cad::Point{1, 1, 1})), (cad::Point{1, 1, 1}));
}

TEST(Wire, SystemVariableValuesKeepTheirKind)
{
    EXPECT_EQ(roundTrip(QVariant(7)).typeId(), QMetaType::Int);
    EXPECT_EQ(roundTrip(QVariant(48.0)), QVariant(48.0));
    EXPECT_EQ(roundTrip(QVariant(QStringLiteral("0"))), QVariant(QStringLiteral("0")));
    EXPECT_EQ(roundTrip(QVariant(true)), QVariant(true));
    EXPECT_FALSE(roundTrip(QVariant()).isValid());
    // Whole numbers that fit stay whole; larger ones become reals.
    EXPECT_EQ(roundTrip(QVariant(qlonglong(12))), QVariant(12));
    EXPECT_EQ(roundTrip(QVariant(qlonglong(1) << 40)), QVariant(double(qlonglong(1) << 40)));
    // Kinds a host value never has do not travel.
    EXPECT_EQ(errorOf([] { encoded(QVariant(QDate(2024, 1, 1))); }), 13);
}

TEST(Wire, ReadingIsStrict)
{
    // Every cut of a value is refused, never read past.
    const QByteArray whole = encoded(QStringList{QStringLiteral("one"), QStringLiteral("two")});
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const int32_t number = errorOf([&] { decoded<QStringList>(whole.left(size)); });
        EXPECT_TRUE(number == 13 || number == 450) << size;
    }
    // A value of another type, a value left over, a value missing.
    EXPECT_EQ(errorOf([] { decoded<int>(encoded(1.0)); }), 13);
    EXPECT_EQ(errorOf([] { decoded<int>(encoded(1) + encoded(2)); }), 450);
    EXPECT_EQ(errorOf([] { decoded<int>(QByteArray()); }), 450);
    // Sizes that claim more than the message holds.
    EXPECT_EQ(errorOf([] { decoded<QString>(QByteArray("s\xff\xff\xff\x7f" "abc", 8)); }), 13);
    EXPECT_EQ(errorOf([] { decoded<std::vector<cad::Point>>(QByteArray("l\xff\xff\xff\xff", 5)); }), 13);
    EXPECT_EQ(errorOf([] { decoded<bool>(QByteArray("b\x02", 2)); }), 13);
    EXPECT_EQ(errorOf([] { decoded<std::pair<int, int>>(encoded(std::vector<int>{1, 2, 3})); }), 13);
}

TEST(Wire, ErrorNamesCarryTheNumberBothWays)
{
    EXPECT_EQ(remote::protocol::errorName(-2147023174), QStringLiteral("org.tarvo.cad.Error.E800706BA"));
    EXPECT_EQ(remote::protocol::errorName(438), QStringLiteral("org.tarvo.cad.Error.E000001B6"));
    for (const int32_t number : {0, 5, 438, -1, cad::err::KeyNotFound, cad::err::RpcServerUnavailable,
                                 std::numeric_limits<int32_t>::min()}) {
        EXPECT_EQ(remote::protocol::numberOfErrorName(remote::protocol::errorName(number)), number);
    }
    for (const char* name : {"org.tarvo.cad.Error.E800706ba", "org.tarvo.cad.Error.E800706B",
                             "org.tarvo.cad.Error.E800706BA0", "org.tarvo.cad.Error.X800706BA",
                             "org.freedesktop.DBus.Error.Failed"}) {
        EXPECT_FALSE(remote::protocol::numberOfErrorName(QString::fromLatin1(name))) << name;
    }

    const runtime::Error hostError =
        remote::protocol::errorOfReply(remote::protocol::errorName(cad::err::KeyNotFound), QStringLiteral("Key not found"));
    EXPECT_EQ(hostError.number(), cad::err::KeyNotFound);
    EXPECT_EQ(hostError.description(), QStringLiteral("Key not found"));
    for (const char* gone : {"org.freedesktop.DBus.Error.Disconnected", "org.freedesktop.DBus.Error.NoReply"}) {
        const runtime::Error error = remote::protocol::errorOfReply(QString::fromLatin1(gone), QStringLiteral("x"));
        EXPECT_EQ(error.number(), -2147023174);
        EXPECT_EQ(error.description(), QStringLiteral("The RPC server is unavailable."));
    }
    EXPECT_EQ(remote::protocol::errorOfReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"), QString()).number(),
              cad::err::ExceptionOccurred);
}

// libdbus ends the program on a name or text that breaks the D-Bus rules;
// such a message is never made, and text is made fit.
TEST(Wire, MessagesAreMadeOnlyOfWhatDBusCarries)
{
    using remote::Message;
    const QString object = QStringLiteral("org.tarvo.cad.Document");
    for (const auto& [path, interface, member] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"/o/", "org.tarvo.cad.Document", "name"},
             {"o/1", "org.tarvo.cad.Document", "name"},
             {"/o//1", "org.tarvo.cad.Document", "name"},
             {"/o/1", "Document", "name"},
             {"/o/1", "org.tarvo..Document", "name"},
             {"/o/1", "org.tarvo.cad.Document", "1name"},
             {"/o/1", "org.tarvo.cad.Document", "na.me"},
             {"/o/1", "org.tarvo.cad.Document", ""},
         }) {
        EXPECT_FALSE(Message::methodCall(QString::fromLatin1(path), QString::fromLatin1(interface),
                                         QString::fromLatin1(member)))
            << path << " " << interface << " " << member;
    }
    EXPECT_FALSE(Message::methodCall(QStringLiteral("/o/1\u0000x"), object, QStringLiteral("name")));

    Message call = Message::methodCall(QStringLiteral("/o/1"), QString(), QStringLiteral("name"));
    ASSERT_TRUE(call);
    EXPECT_TRUE(call.isMethodCall());
    EXPECT_TRUE(call.interface().isEmpty());
    // Not sent yet: there is nothing to answer.
    EXPECT_FALSE(Message::replyTo(call));
    EXPECT_FALSE(Message::errorTo(call, remote::protocol::errorName(438), QStringLiteral("x")));
    call.setSerial(7);

    for (const QByteArray& bytes : {QByteArray(), QByteArray("\0\xff\x01N", 4), QByteArray(100000, 'q')}) {
        Message reply = Message::replyTo(call);
        ASSERT_TRUE(reply.appendBytes(bytes));
        EXPECT_EQ(reply.replySerial(), 7u);
        EXPECT_EQ(reply.bytes(), bytes);
    }
    EXPECT_FALSE(Message::replyTo(call).bytes()) << "an empty body is no byte array";

    // Text with a NUL and a lone surrogate, and an error name that is none.
    const QString text = QStringLiteral("a\u0000b ") + QChar(0xD800) + QStringLiteral(" \u00C4");
    const Message error = Message::errorTo(call, remote::protocol::errorName(13), text);
    ASSERT_TRUE(error);
    EXPECT_EQ(remote::protocol::numberOfErrorName(error.errorName()), 13);
    EXPECT_TRUE(error.errorText().startsWith(QStringLiteral("a b ")));
    EXPECT_TRUE(error.errorText().endsWith(QStringLiteral(" \u00C4")));
    EXPECT_FALSE(Message::errorTo(call, QStringLiteral("org.tarvo.cad.Error.1"), text));
    EXPECT_FALSE(Message::errorTo(call, QStringLiteral("NoDots"), text));
}

TEST(Wire, ObjectPathsAreStrictDecimalHandles)
{
    EXPECT_EQ(remote::protocol::objectPath(42), QStringLiteral("/o/42"));
    EXPECT_EQ(remote::protocol::handleOfPath(QStringLiteral("/o/42")), 42u);
    EXPECT_EQ(remote::protocol::handleOfPath(QStringLiteral("/o/18446744073709551615")), 18446744073709551615u);
    for (const char* path : {"/o/", "/o/0", "/o/042", "/o/-1", "/o/+1", "/o/1a", "/o/1/2", "/x/1",
                             "/o/18446744073709551616", "/o/999999999999999999999"}) {
        EXPECT_FALSE(remote::protocol::handleOfPath(QString::fromLatin1(path))) << path;
    }
    EXPECT_EQ(remote::protocol::callbackOfPath(remote::protocol::callbackPath(7)), 7u);
}

TEST(Wire, SocketPathFollowsTheEnvironmentAndItsFolderIsPrivate)
{
    const QByteArray savedSocket = qgetenv("TARVO_CAD_SOCKET");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TARVO_CAD_SOCKET", "/somewhere/sock");
    qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
    EXPECT_EQ(remote::SocketPath::resolve(), QStringLiteral("/somewhere/sock"));
    qunsetenv("TARVO_CAD_SOCKET");
    EXPECT_EQ(remote::SocketPath::resolve(), QStringLiteral("/run/user/1000/tarvo/cad-host"));
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(remote::SocketPath::resolve(), QStringLiteral("/tmp/tarvo-%1/cad-host").arg(::getuid()));
    savedSocket.isNull() ? qunsetenv("TARVO_CAD_SOCKET") : qputenv("TARVO_CAD_SOCKET", savedSocket);
    savedRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", savedRuntime);

    QTemporaryDir temp;
    const QString socket = temp.path() + QStringLiteral("/a b/tarvo,x/cad-host");
    QString problem;
    ASSERT_TRUE(remote::SocketPath::prepareFolder(socket, &problem)) << problem.toStdString();
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(socket).path()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(remote::SocketPath::address(socket),
              QStringLiteral("unix:path=") + temp.path() + QStringLiteral("/a%20b/tarvo%2cx/cad-host"));
    // A file where the folder should be.
    QFile file(temp.path() + QStringLiteral("/plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(remote::SocketPath::prepareFolder(file.fileName() + QStringLiteral("/cad-host"), &problem));
}

}  // namespace
