// Feeds the host's own message handling (the D-Bus message a call arrives
// as, path and handle look-up, the size limit, name dispatch through the
// member table, decoding of arguments into C++ values, releases, the answer
// message) with calls made of arbitrary bytes, against a fresh stand-in host
// each run. Whatever the bytes, each call ends in a result or a numbered
// error; the host never crashes and never gives out a handle it does not
// hold. Calls whose names D-Bus would not carry go to the session directly.
//
// Input: records of a text line "<path> <interface> <member>" (an interface
// without a dot is one of the object model's; "-" for none), a 16-bit
// little-endian length, and that many bytes of arguments.
#include "platform/cad/remote/Message.h"
#include "platform/cad/remote/ObjectBridge.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/ServerEndpoint.h"
#include "platform/cad/remote/Session.h"
#include "platform/cad/remote/WireWriter.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"

#include <QByteArray>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

// Members that reach the machine's files (paths the bytes name) stay out.
bool reachesFiles(const QString& member)
{
    static const QSet<QString> members = {
        QStringLiteral("open"),        QStringLiteral("save"), QStringLiteral("saveAs"),
        QStringLiteral("newDrawing"),  QStringLiteral("add"),  QStringLiteral("insertBlock"),
        QStringLiteral("attachExternalReference"), QStringLiteral("bind"), QStringLiteral("load"),
    };
    return members.contains(member);
}

class ValuesOnly : public remote::ObjectBridge {
public:
    void writeObject(remote::WireWriter&, const std::shared_ptr<void>&, const remote::InterfaceInfo&) override {}
    std::shared_ptr<void> readObject(remote::WireReader&, const remote::InterfaceInfo&) override { return nullptr; }
    void writeCallback(remote::WireWriter&, remote::CallbackInvoker) override {}
    std::shared_ptr<remote::RemoteCallback> readCallback(remote::WireReader&) override { return nullptr; }
};

// A tool's handler that answers at once.
class SilentCallback : public remote::RemoteCallback {
public:
    void invoke(const ArgumentWriter& write) override
    {
        remote::WireWriter out;
        ValuesOnly bridge;
        write(out, bridge);
    }
};

files::FileSystem& fileSystem()
{
    static QTemporaryDir folder;
    static files::FileSystem files([] {
        files::DriveTable table;
        table.map(QStringLiteral("C"), folder.path());
        return table;
    }());
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto host = standin::Host::create(fileSystem());
    host->addDocument();
    remote::Session session(
        host, [](quint64) { return std::make_shared<SilentCallback>(); }, [](const QString&) {});

    qsizetype at = 0;
    while (at < input.size()) {
        const qsizetype end = input.indexOf('\n', at);
        if (end < 0 || end + 3 > input.size())
            break;
        const QStringList words = QString::fromUtf8(input.mid(at, end - at)).split(QLatin1Char(' '));
        const auto length = qsizetype(quint8(input[end + 1])) | (qsizetype(quint8(input[end + 2])) << 8);
        const QByteArray arguments = input.mid(end + 3, length);
        at = end + 3 + length;
        if (words.size() != 3 || reachesFiles(words[2]))
            continue;
        remote::Session::Request request;
        request.path = words[0];
        request.interface = words[1] == QStringLiteral("-") ? QString()
                            : words[1].contains(QLatin1Char('.')) ? words[1]
                                                                   : remote::protocol::InterfacePrefix + words[1];
        request.member = words[2];
        request.arguments = arguments;
        const bool release =
            request.interface == remote::protocol::HandleInterface && request.member == remote::protocol::ReleaseMember;
        remote::Message call = remote::Message::methodCall(request.path, request.interface, request.member);
        if (call) {
            if (!call.appendBytes(arguments))
                std::abort();
            call.setSerial(quint32(at));
            const remote::Message reply = remote::ServerEndpoint::answer(session, call, [](const QString&) {});
            // A release wants no answer; every other call gets one.
            if (bool(reply) == release)
                std::abort();
            if (reply && reply.isReply() && !reply.bytes())
                std::abort();
            // An error's name carries a number back.
            if (reply && !reply.isReply() &&
                (!reply.isError() || remote::protocol::numberOfErrorName(reply.errorName()).value_or(0) == 0))
                std::abort();
        } else if (release) {
            session.release(request);
        } else {
            const remote::Session::Answer answer = session.handle(request);
            if (!answer.ok && answer.number == 0)
                std::abort();
            if (!answer.ok &&
                remote::protocol::numberOfErrorName(remote::protocol::errorName(answer.number)) != answer.number)
                std::abort();
        }
        if (session.handleCount() > remote::protocol::MaxHandlesPerConnection)
            std::abort();
    }
    session.close();
    if (session.handleCount() != 0)
        std::abort();
    return 0;
}
