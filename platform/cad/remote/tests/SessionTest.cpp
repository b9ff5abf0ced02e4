// The host's dispatch, fed calls as bytes: names through the member table,
// handles per connection, numbered errors for every call of the wrong shape,
// and what a closed connection gives back.
#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/Session.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using remote::Session;
namespace tag = remote::tag;

// Values only; no object or handler travels through it.
class ValuesOnly : public remote::ObjectBridge {
public:
    void writeObject(remote::WireWriter&, const std::shared_ptr<void>&, const remote::InterfaceInfo&) override {}
    std::shared_ptr<void> readObject(remote::WireReader&, const remote::InterfaceInfo&) override { return nullptr; }
    void writeCallback(remote::WireWriter&, remote::CallbackInvoker) override {}
    std::shared_ptr<remote::RemoteCallback> readCallback(remote::WireReader&) override { return nullptr; }
};

// The host's stand-in for a tool's handler: records what it was called with.
class HeardCallback : public remote::RemoteCallback {
public:
    explicit HeardCallback(QStringList& heard) : heard_(heard) {}
    void invoke(const ArgumentWriter& write) override
    {
        remote::WireWriter out;
        ValuesOnly bridge;
        write(out, bridge);
        remote::WireReader in(out.bytes());
        in.expectTag(tag::String);
        heard_.append(in.text());
    }

private:
    QStringList& heard_;
};

class SessionDispatch : public ::testing::Test {
protected:
    SessionDispatch()
        : files_(drives()), host_(standin::Host::create(files_)),
          session_(host_, [this](quint64) { return std::make_shared<HeardCallback>(heard_); },
                   [this](const QString& line) { log_.append(line); })
    {
        host_->addDocument();
    }

    files::DriveTable drives()
    {
        files::DriveTable table;
        table.map(QStringLiteral("C"), temp_.path());
        return table;
    }

    Session::Answer call(quint64 handle, const QString& interface, const QString& member,
                         const QByteArray& arguments = QByteArray())
    {
        return session_.handle({remote::protocol::objectPath(handle), remote::protocol::InterfacePrefix + interface,
                                member, arguments});
    }

    // The handle of the object an answer carries.
    static quint64 handleIn(const Session::Answer& answer)
    {
        EXPECT_TRUE(answer.ok) << answer.description.toStdString();
        remote::WireReader in(answer.result);
        in.expectTag(tag::Object);
        return in.uint64();
    }

    static QString kindIn(const Session::Answer& answer)
    {
        remote::WireReader in(answer.result);
        in.expectTag(tag::Object);
        in.uint64();
        return in.text();
    }

    quint64 application()
    {
        return handleIn(session_.handle(
            {remote::protocol::HostPath, remote::protocol::HostInterface, remote::protocol::ApplicationMember, {}}));
    }

    quint64 document() { return handleIn(call(application(), QStringLiteral("Application"), QStringLiteral("activeDocument"))); }

    static QByteArray object(quint64 handle)
    {
        remote::WireWriter out;
        out.tag(tag::Object);
        out.uint64(handle);
        out.text(QString());
        return out.take();
    }

    template <typename... T>
    static QByteArray values(const T&... value)
    {
        remote::WireWriter out;
        ValuesOnly bridge;
        (remote::Codec<T>::write(out, value, bridge), ...);
        return out.take();
    }

    void release(quint64 handle, int count)
    {
        session_.release({remote::protocol::objectPath(handle), remote::protocol::HandleInterface,
                          remote::protocol::ReleaseMember, values(count)});
    }

    QTemporaryDir temp_;
    files::FileSystem files_;
    std::shared_ptr<standin::Host> host_;
    QStringList heard_;
    QStringList log_;
    Session session_;
};

TEST_F(SessionDispatch, TheSameObjectKeepsItsHandleUntilEveryReferenceComesBack)
{
    const quint64 app = application();
    EXPECT_EQ(application(), app);
    const quint64 doc = document();
    EXPECT_EQ(document(), doc);
    // Handed out twice: one release leaves it usable.
    release(doc, 1);
    EXPECT_TRUE(call(doc, QStringLiteral("Document"), QStringLiteral("name")).ok);
    release(doc, 1);
    const Session::Answer gone = call(doc, QStringLiteral("Document"), QStringLiteral("name"));
    EXPECT_EQ(gone.number, remote::protocol::err::ObjectDisconnected);
    EXPECT_EQ(gone.description, QStringLiteral("The object invoked has disconnected from its clients."));
    // Handles are never reused.
    EXPECT_GT(document(), doc);
}

TEST_F(SessionDispatch, CallsOfTheWrongShapeGetNumbersAndChangeNothing)
{
    const quint64 app = application();
    const quint64 doc = document();
    const QString Document = QStringLiteral("Document");
    EXPECT_EQ(call(doc, Document, QStringLiteral("noSuchMember")).number, 438);
    EXPECT_EQ(call(doc, QStringLiteral("Layer"), QStringLiteral("color")).number, 438);
    EXPECT_EQ(call(doc, QStringLiteral("NoSuchInterface"), QStringLiteral("name")).number, 438);
    EXPECT_EQ(call(doc + 100, Document, QStringLiteral("name")).number, remote::protocol::err::ObjectDisconnected);
    EXPECT_EQ(session_.handle({QStringLiteral("/o/x"), QString(), QStringLiteral("name"), {}}).number,
              remote::protocol::err::ObjectDisconnected);
    EXPECT_EQ(call(doc, Document, QStringLiteral("getVariable")).number, 450);
    EXPECT_EQ(call(doc, Document, QStringLiteral("name"), values(1)).number, 450);
    EXPECT_EQ(call(doc, Document, QStringLiteral("getVariable"), values(1)).number, 13);
    EXPECT_EQ(call(doc, Document, QStringLiteral("setActiveLayer"), object(app)).number, 13);
    EXPECT_EQ(call(doc, Document, QStringLiteral("setActiveLayer"), object(999)).number,
              remote::protocol::err::ObjectDisconnected);
    EXPECT_EQ(call(doc, Document, QStringLiteral("getVariable"), QByteArray("s\x10\0\0\0ab", 7)).number, 13);
    EXPECT_EQ(call(doc, Document, QStringLiteral("name"), QByteArray(remote::protocol::MaxPayloadBytes + 1, 'N')).number,
              cad::err::InvalidArgument);
    EXPECT_FALSE(log_.isEmpty());

    // An empty interface name: the member is looked up on the object's own.
    const Session::Answer name = session_.handle({remote::protocol::objectPath(doc), QString(), QStringLiteral("name"), {}});
    ASSERT_TRUE(name.ok);
    EXPECT_EQ(name.result, values(QStringLiteral("Drawing1.dwg")));
}

TEST_F(SessionDispatch, HostErrorsKeepTheirNumberAndDescription)
{
    const quint64 doc = document();
    const quint64 layers = handleIn(call(doc, QStringLiteral("Document"), QStringLiteral("layers")));
    const Session::Answer missing = call(layers, QStringLiteral("Layers"), QStringLiteral("itemNamed"), values(QStringLiteral("NOPE")));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.number, cad::err::KeyNotFound);
    try {
        host_->activeDocument()->layers()->item(QStringLiteral("NOPE"));
    } catch (const runtime::Error& error) {
        EXPECT_EQ(missing.description, error.description());
    }
}

TEST_F(SessionDispatch, ObjectsTravelAsTheirMostSpecificInterface)
{
    const quint64 doc = document();
    const QString Document = QStringLiteral("Document");
    ASSERT_TRUE(call(doc, Document, QStringLiteral("setActiveSpace"), values(cad::space::Paper)).ok);
    const quint64 paper = handleIn(call(doc, Document, QStringLiteral("paperSpace")));
    const Session::Answer added = call(paper, QStringLiteral("Block"), QStringLiteral("addPViewport"),
                                       values(cad::Point{5, 5, 0}, 4.0, 3.0));
    EXPECT_EQ(kindIn(added), QStringLiteral("PViewport"));
    const quint64 viewport = handleIn(added);
    // The same object reached as an entity is the same handle.
    const Session::Answer listed = call(paper, QStringLiteral("Block"), QStringLiteral("item"),
                                        values(host_->activeDocument()->paperSpace()->count() - 1));
    EXPECT_EQ(handleIn(listed), viewport);
    EXPECT_EQ(kindIn(listed), QStringLiteral("PViewport"));
    // Members of the interface it extends reach it.
    const Session::Answer type = call(viewport, QStringLiteral("Entity"), QStringLiteral("entityType"));
    EXPECT_EQ(type.result, values(cad::entityType::PViewport));
    // A viewport passed where an entity is wanted, and where a layer is not.
    const quint64 set = handleIn(call(handleIn(call(doc, Document, QStringLiteral("selectionSets"))),
                                      QStringLiteral("SelectionSets"), QStringLiteral("add"), values(QStringLiteral("S"))));
    remote::WireWriter list;
    list.tag(tag::List);
    list.uint32(1);
    const QByteArray entities = list.take() + object(viewport);
    EXPECT_TRUE(call(set, QStringLiteral("SelectionSet"), QStringLiteral("addItems"), entities).ok);
    EXPECT_EQ(call(doc, Document, QStringLiteral("setActiveLayer"), object(viewport)).number, 13);
}

TEST_F(SessionDispatch, ClosingUndoesSubscriptionsAndReleasesEveryHandle)
{
    const quint64 app = application();
    remote::WireWriter handler;
    handler.tag(tag::Callback);
    handler.uint64(5);
    ASSERT_TRUE(call(app, QStringLiteral("Application"), QStringLiteral("subscribeBeginCommand"), handler.bytes()).ok);
    host_->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(heard_, QStringList{QStringLiteral("LINE")});
    document();
    EXPECT_EQ(session_.handleCount(), 2);

    session_.close();
    EXPECT_EQ(session_.handleCount(), 0);
    host_->startCommand(QStringLiteral("ERASE"));
    EXPECT_EQ(heard_, QStringList{QStringLiteral("LINE")});
    EXPECT_EQ(call(app, QStringLiteral("Application"), QStringLiteral("documents")).number, cad::err::RpcServerUnavailable);
}

}  // namespace
