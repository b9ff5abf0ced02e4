#include "platform/cad/remote/EventReceiver.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Protocol.h"

#include <QDBusConnection>

namespace remote {

EventReceiver::EventReceiver(std::shared_ptr<EventInbox> inbox, std::function<void()> deliverWaiting,
                             ToolThread toolThread)
    : inbox_(std::move(inbox)), deliverWaiting_(std::move(deliverWaiting)), toolThread_(std::move(toolThread))
{
}

QString EventReceiver::introspect(const QString&) const { return QString(); }

bool EventReceiver::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const std::optional<quint64> id = protocol::callbackOfPath(message.path());
    const QList<QVariant> arguments = message.arguments();
    const bool wellFormed = arguments.size() == 1 && arguments.front().typeId() == QMetaType::QByteArray;
    if (id && message.interface() == protocol::CallbackInterface) {
        if (message.member() == protocol::ReleaseMember) {
            CallbackInvoker released = inbox_->takeCallback(*id);
            if (released)
                toolThread_([released] {});
            return true;
        }
        if (message.member() == protocol::InvokeMember && wellFormed) {
            message.setDelayedReply(true);
            inbox_->post({*id, arguments.front().toByteArray(), message});
            toolThread_(deliverWaiting_);
            return true;
        }
    }
    if (message.isReplyRequired()) {
        connection.send(message.createErrorReply(protocol::errorName(cad::err::MemberNotSupported),
                                                 cad::hostDescription(cad::err::MemberNotSupported)));
    }
    return true;
}

void EventReceiver::onDisconnected() { inbox_->close(); }

}  // namespace remote
