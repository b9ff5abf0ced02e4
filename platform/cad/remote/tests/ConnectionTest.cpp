// Tools and a stand-in host on one machine, over the real transport: the host
// serves from its own thread, each tool has its own connection.
#include "ServedHost.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/ClientLink.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/SocketPath.h"
#include "platform/cad/remote/WireTag.h"
#include "platform/cad/remote/WireWriter.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/testing/ErrorOf.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using remote::ClientLink;
using remote_test::ServedHost;
using remote_test::waitUntil;
using testing_env::errorOf;

namespace {

runtime::Error caught(const std::function<void()>& call)
{
    try {
        call();
    } catch (const runtime::Error& error) {
        return error;
    }
    return runtime::Error(0, QString());
}

class Connection : public ::testing::Test {
protected:
    std::shared_ptr<ClientLink> connect()
    {
        std::shared_ptr<ClientLink> link = ClientLink::connect(served.socketPath());
        EXPECT_TRUE(link);
        return link;
    }

    // Entities of the host's model space, read on the host's own thread.
    int hostModelSpaceCount()
    {
        return served.inHost([this] { return served.host().activeDocument()->modelSpace()->count(); });
    }

    ServedHost served;
};

TEST_F(Connection, TwoToolsChangeTheSameOpenDrawing)
{
    const auto first = connect()->application();
    const auto second = connect()->application();
    EXPECT_EQ(served.connectionCount(), 2);

    const auto firstSpace = first->activeDocument()->modelSpace();
    const auto secondSpace = second->activeDocument()->modelSpace();
    const int before = secondSpace->count();
    firstSpace->addLine({0, 0, 0}, {10, 5, 0});
    EXPECT_EQ(secondSpace->count(), before + 1);
    EXPECT_EQ(hostModelSpaceCount(), before + 1);

    second->activeDocument()->layers()->add(QStringLiteral("WALLS"))->setColor(3);
    EXPECT_EQ(first->activeDocument()->layers()->item(QStringLiteral("walls"))->color(), 3);

    first->activeDocument()->setVariable(QStringLiteral("ORTHOMODE"), 1);
    EXPECT_EQ(second->activeDocument()->getVariable(QStringLiteral("orthomode")), QVariant(1));
    // Nothing was saved by either tool.
    EXPECT_TRUE(served.inHost([this] { return served.host().active()->drawing()->isModified(); }));
}

TEST_F(Connection, ValuesOfEveryKindRoundTrip)
{
    const auto application = connect()->application();
    const auto document = application->activeDocument();
    const auto space = document->modelSpace();

    const auto text = space->addText(QStringLiteral("Ä½ – 10\u00B0"), {1.5, -2.25, 0.125}, 2.5);
    EXPECT_EQ(text->textString(), QStringLiteral("Ä½ – 10\u00B0"));
    EXPECT_EQ(text->insertionPoint(), (cad::Point{1.5, -2.25, 0.125}));
    EXPECT_DOUBLE_EQ(text->height(), 2.5);

    const std::vector<cad::Point> vertices{{0, 0, 0}, {5, 5, 0}, {9, 5, 0}};
    const auto leader = space->addLeader(vertices, nullptr, 2);
    EXPECT_EQ(leader->entityName(), QStringLiteral("AcDbLeader"));

    document->setVariable(QStringLiteral("DIMSCALE"), 48.0);
    EXPECT_EQ(document->getVariable(QStringLiteral("DIMSCALE")), QVariant(48.0));
    document->setVariable(QStringLiteral("ORTHOMODE"), 1);
    EXPECT_EQ(document->getVariable(QStringLiteral("ORTHOMODE")).typeId(), QMetaType::Int);
    document->setVariable(QStringLiteral("ORTHOMODE"), false);
    EXPECT_EQ(document->getVariable(QStringLiteral("ORTHOMODE")), QVariant(0));
    EXPECT_EQ(document->getVariable(QStringLiteral("CLAYER")), QVariant(QStringLiteral("0")));

    const auto layer = document->layers()->add(QStringLiteral("HIDDEN"));
    layer->setFreeze(true);
    EXPECT_TRUE(layer->freeze());

    const auto layout = document->activeLayout();
    EXPECT_FALSE(layout->getPlotDeviceNames().isEmpty());
    layout->setWindowToPlot({1, 2}, {30, 40});
    const auto window = layout->getWindowToPlot();
    EXPECT_EQ(window.first, (cad::Point2{1, 2}));
    EXPECT_EQ(window.second, (cad::Point2{30, 40}));

    // A prompt, with and without a base point, answered by the host's user.
    served.inHost([this] { served.user().point(3, 4).point(7, 8, 1); });
    EXPECT_EQ(document->utility()->getPoint(std::nullopt, QStringLiteral("Corner:")), (cad::Point{3, 4, 0}));
    EXPECT_EQ(document->utility()->getPoint(cad::Point{3, 4, 0}, QStringLiteral("Other:")), (cad::Point{7, 8, 1}));

    // Objects as arguments and in lists.
    const auto set = document->selectionSets()->add(QStringLiteral("PICKED"));
    set->addItems({text, leader});
    const auto items = set->items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], text);
    EXPECT_EQ(items[1], leader);
}

TEST_F(Connection, HostErrorsArriveWithTheHostsNumberAndDescription)
{
    const auto document = connect()->application()->activeDocument();
    const runtime::Error missing = caught([&] { document->layers()->item(QStringLiteral("NO SUCH LAYER")); });
    const QString direct = served.inHost([this] {
        return caught([this] { served.host().activeDocument()->layers()->item(QStringLiteral("NO SUCH LAYER")); })
            .description();
    });
    EXPECT_EQ(missing.number(), cad::err::KeyNotFound);
    EXPECT_EQ(missing.description(), direct);

    // A member the entity's kind lacks.
    const auto line = document->modelSpace()->addLine({0, 0, 0}, {1, 1, 0});
    const runtime::Error lacking = caught([&] { line->textString(); });
    EXPECT_EQ(lacking.number(), cad::err::MemberNotSupported);
    EXPECT_EQ(lacking.description(), QStringLiteral("Object doesn't support this property or method"));

    // A prompt the user left with Enter.
    served.inHost([this] { served.user().enter(); });
    EXPECT_EQ(errorOf([&] { document->utility()->getPoint(std::nullopt, QStringLiteral("Point:")); }),
              cad::err::NoPointGiven);
}

TEST_F(Connection, TheSameHostObjectIsTheSameObjectInTheTool)
{
    auto link = connect();
    const auto application = link->application();
    EXPECT_EQ(link->application(), application);
    const auto document = application->activeDocument();
    EXPECT_EQ(application->activeDocument(), document);
    EXPECT_EQ(document->application(), application);

    const auto space = document->modelSpace();
    const auto line = space->addLine({0, 0, 0}, {2, 0, 0});
    EXPECT_EQ(space->item(space->count() - 1), line);

    // A viewport handed out as an entity is the viewport proxy itself.
    document->setActiveSpace(cad::space::Paper);
    const auto viewport = document->paperSpace()->addPViewport({5, 5, 0}, 4, 3);
    std::shared_ptr<cad::Entity> asEntity;
    for (const auto& entity : document->paperSpace()->items()) {
        if (std::dynamic_pointer_cast<cad::PViewport>(entity) == viewport)
            asEntity = entity;
    }
    ASSERT_TRUE(asEntity);
    EXPECT_EQ(std::dynamic_pointer_cast<cad::PViewport>(asEntity), viewport);
    EXPECT_EQ(asEntity->entityType(), cad::entityType::PViewport);
}

TEST_F(Connection, AttributesOfABlockReferenceAreAttributeReferencesAndEntities)
{
    const auto document = connect()->application()->activeDocument();
    const auto title = document->blocks()->add({0, 0, 0}, QStringLiteral("TITLE"));
    title->addAttribute(2.5, QStringLiteral("Number?"), {0, 0, 0}, QStringLiteral("NUMBER"), QStringLiteral("A-101"));
    const auto reference = document->modelSpace()->insertBlock({10, 10, 0}, QStringLiteral("TITLE"), 1, 1, 1, 0);
    EXPECT_EQ(reference->name(), QStringLiteral("TITLE"));
    const auto attributes = reference->getAttributes();
    ASSERT_EQ(attributes.size(), 1u);
    EXPECT_EQ(attributes[0]->tagString(), QStringLiteral("NUMBER"));
    attributes[0]->setTextString(QStringLiteral("A-102"));
    EXPECT_EQ(reference->getAttributes()[0], attributes[0]);
    EXPECT_EQ(served.inHost([this] {
        const auto host = served.host().activeDocument()->modelSpace();
        return host->item(host->count() - 1)->getAttributes()[0]->textString();
    }),
              QStringLiteral("A-102"));
}

TEST_F(Connection, HandlesAreReleasedWithTheirProxiesAndTheConnection)
{
    auto link = connect();
    const auto application = link->application();
    const auto document = application->activeDocument();
    const auto space = document->modelSpace();
    const int held = served.handleCount();
    EXPECT_EQ(held, 3);

    auto line = space->addLine({0, 0, 0}, {1, 0, 0});
    auto same = space->item(space->count() - 1);
    EXPECT_EQ(served.handleCount(), held + 1);
    line.reset();
    // Still held through the other reference the host handed out.
    EXPECT_EQ(same->entityName(), QStringLiteral("AcDbLine"));
    same.reset();
    EXPECT_TRUE(waitUntil([&] { return served.handleCount() == held; }));

    // A handle given back is gone: the next one is a fresh proxy that works.
    const auto again = space->item(space->count() - 1);
    EXPECT_EQ(again->entityName(), QStringLiteral("AcDbLine"));
    EXPECT_EQ(served.handleCount(), held + 1);

    link.reset();
    // The tool still holds proxies, so the connection lives on.
    EXPECT_EQ(served.connectionCount(), 1);
}

TEST_F(Connection, ClosedConnectionReleasesEverythingItHeld)
{
    {
        auto link = connect();
        const auto document = link->application()->activeDocument();
        document->modelSpace()->addLine({0, 0, 0}, {3, 3, 0});
        document->application()->subscribeBeginCommand([](const QString&) {});
        EXPECT_GT(served.handleCount(), 0);
    }
    EXPECT_TRUE(waitUntil([&] { return served.connectionCount() == 0; }));
    EXPECT_EQ(served.handleCount(), 0);
    // The drawing keeps what the tool did; the host's command goes on without
    // the tool's handler.
    EXPECT_EQ(hostModelSpaceCount(), 1);
    served.inHost([this] { served.host().startCommand(QStringLiteral("LINE")); });
    for (const QString& line : served.log())
        EXPECT_FALSE(line.contains(QStringLiteral("event handler"))) << line.toStdString();
}

TEST_F(Connection, CommandStartReachesASubscribedToolWhoseHandlerCallsTheHost)
{
    auto link = connect();
    const auto application = link->application();
    QStringList heard;
    QString layerSeen;
    const int subscription = application->subscribeBeginCommand([&](const QString& command) {
        heard.append(command);
        // A call back into the host while the host waits for this handler.
        layerSeen = application->activeDocument()->getVariable(QStringLiteral("CLAYER")).toString();
        application->activeDocument()->modelSpace()->addLine({0, 0, 0}, {1, 1, 0});
    });

    served.startCommandLater(QStringLiteral("PLOT"));
    ASSERT_TRUE(waitUntil([&] { return heard.size() == 1; }));
    EXPECT_EQ(heard.front(), QStringLiteral("PLOT"));
    EXPECT_EQ(layerSeen, QStringLiteral("0"));
    EXPECT_EQ(hostModelSpaceCount(), 1);

    // The tool's own command starts the event too; the handler runs while the
    // tool waits for its call.
    application->activeDocument()->sendCommand(QStringLiteral("_.LINE "));
    ASSERT_EQ(heard.size(), 2);
    EXPECT_EQ(heard.back(), QStringLiteral("LINE"));
    EXPECT_EQ(hostModelSpaceCount(), 2);

    // Unsubscribed: the host lets go of the handler and so does the tool.
    application->unsubscribeBeginCommand(subscription);
    EXPECT_TRUE(waitUntil([&] { return link->handlerCount() == 0; }));
    served.startCommandLater(QStringLiteral("ERASE"));
    served.inHost([] {});
    QCoreApplication::processEvents();
    EXPECT_EQ(heard.size(), 2);
}

TEST_F(Connection, HostWaitsForAHandlerOnlyABoundedTime)
{
    served.inHost([this] { served.server().setEventTimeout(200); });
    auto link = connect();
    const auto application = link->application();
    int calls = 0;
    application->subscribeBeginCommand([&](const QString&) { ++calls; });
    // The tool's thread is busy (here: waiting for the host), so its handler
    // cannot run; the host goes on after the timeout and says so.
    QElapsedTimer timer;
    timer.start();
    served.inHost([this] { served.host().startCommand(QStringLiteral("MOVE")); });
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_TRUE(served.log().join(QLatin1Char('\n')).contains(QStringLiteral("did not answer")));
    // The late handler still runs once the tool is free; the host is fine.
    EXPECT_TRUE(waitUntil([&] { return calls == 1; }));
    EXPECT_EQ(application->activeDocument()->name(), QStringLiteral("Drawing1.dwg"));
}

TEST_F(Connection, MalformedCallsAreAnsweredWithErrorsAndTheHostGoesOn)
{
    const QString name = QStringLiteral("raw-peer");
    QDBusConnection raw = QDBusConnection::connectToPeer(remote::SocketPath::address(served.socketPath()), name);
    ASSERT_TRUE(raw.isConnected());
    auto callRaw = [&](const QString& path, const QString& interface, const QString& member,
                       const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(QString(), path, interface, member);
        call.setArguments(arguments);
        return raw.call(call, QDBus::Block, 5000);
    };
    const QString errorPrefix = remote::protocol::ErrorPrefix;
    auto numberOf = [&](const QDBusMessage& reply) {
        EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        return remote::protocol::numberOfErrorName(reply.errorName()).value_or(0);
    };

    // The application's handle, the regular way.
    const QDBusMessage root =
        callRaw(remote::protocol::HostPath, remote::protocol::HostInterface, QStringLiteral("application"),
                {QByteArray()});
    ASSERT_EQ(root.type(), QDBusMessage::ReplyMessage);
    const QString app = QStringLiteral("/o/1");
    const QString appInterface = QStringLiteral("org.tarvo.cad.Application");

    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("noSuchMember"), {QByteArray()})), 438);
    EXPECT_EQ(numberOf(callRaw(app, QStringLiteral("org.tarvo.cad.Layer"), QStringLiteral("color"), {QByteArray()})),
              438);
    EXPECT_EQ(numberOf(callRaw(QStringLiteral("/o/999"), appInterface, QStringLiteral("documents"), {QByteArray()})),
              remote::protocol::err::ObjectDisconnected);
    EXPECT_EQ(numberOf(callRaw(QStringLiteral("/elsewhere"), appInterface, QStringLiteral("documents"), {QByteArray()})),
              remote::protocol::err::ObjectDisconnected);
    // Arguments of the wrong shape, count or type, and garbage.
    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("documents"), {QStringLiteral("text")})), 13);
    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("zoomScaled"), {QByteArray()})), 450);
    remote::WireWriter wrongType;
    wrongType.tag(remote::tag::String);
    wrongType.text(QStringLiteral("2"));
    wrongType.tag(remote::tag::Int);
    wrongType.int32(0);
    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("zoomScaled"), {wrongType.bytes()})), 13);
    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("zoomScaled"), {QByteArray("\xff\x00garbage", 9)})),
              13);
    EXPECT_EQ(numberOf(callRaw(app, appInterface, QStringLiteral("documents"),
                               {QByteArray(remote::protocol::MaxPayloadBytes + 1, 'N')})),
              cad::err::InvalidArgument);
    // The ping every D-Bus peer answers.
    EXPECT_EQ(callRaw(app, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"), {}).type(),
              QDBusMessage::ReplyMessage);
    QDBusConnection::disconnectFromPeer(name);

    EXPECT_FALSE(served.log().isEmpty());
    // Every other tool is served as before.
    EXPECT_EQ(connect()->application()->activeDocument()->name(), QStringLiteral("Drawing1.dwg"));
}

TEST_F(Connection, AMessageOverTheLimitEndsOnlyTheConnectionThatSentIt)
{
    const auto document = connect()->application()->activeDocument();
    const QString name = QStringLiteral("flooding-peer");
    QDBusConnection raw = QDBusConnection::connectToPeer(remote::SocketPath::address(served.socketPath()), name);
    ASSERT_TRUE(raw.isConnected());
    QDBusMessage call = QDBusMessage::createMethodCall(QString(), QStringLiteral("/host"), remote::protocol::HostInterface,
                                                       QStringLiteral("application"));
    call.setArguments({QByteArray(remote::protocol::MaxMessageBytes, 'N')});
    EXPECT_EQ(raw.call(call, QDBus::Block, 5000).type(), QDBusMessage::ErrorMessage);
    EXPECT_TRUE(waitUntil([&] { return served.connectionCount() == 1; }));
    EXPECT_TRUE(served.log().join(QLatin1Char('\n')).contains(QStringLiteral("closed")));
    QDBusConnection::disconnectFromPeer(name);
    // The other tool is served as before.
    EXPECT_EQ(document->name(), QStringLiteral("Drawing1.dwg"));
}

TEST_F(Connection, HostThatStopsLeavesEveryHeldReferenceFailingAsUnavailable)
{
    auto link = connect();
    const auto document = link->application()->activeDocument();
    served.inHost([this] { served.server().stop(); });
    const runtime::Error error = caught([&] { document->name(); });
    EXPECT_EQ(error.number(), -2147023174);
    EXPECT_EQ(error.description(), QStringLiteral("The RPC server is unavailable."));
    EXPECT_FALSE(ClientLink::connect(served.socketPath()));
}

}  // namespace
