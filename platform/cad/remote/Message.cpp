#include "platform/cad/remote/Message.h"

#include <dbus/dbus.h>
#include <cstring>
#include <utility>

namespace remote {

namespace {
QString textOf(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// D-Bus text: valid UTF-8 without NUL (QString::toUtf8 gives valid UTF-8;
// the check guards the rest).
QByteArray wireText(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\0', ' ');
    if (!dbus_validate_utf8(bytes.constData(), nullptr))
        return QByteArrayLiteral("(text not valid UTF-8)");
    return bytes;
}
}  // namespace

Message Message::adopt(DBusMessage* message) { return Message(message); }

Message::~Message()
{
    if (message_)
        dbus_message_unref(message_);
}

Message::Message(Message&& other) noexcept : message_(std::exchange(other.message_, nullptr)) {}

Message& Message::operator=(Message&& other) noexcept
{
    if (this != &other) {
        if (message_)
            dbus_message_unref(message_);
        message_ = std::exchange(other.message_, nullptr);
    }
    return *this;
}

Message Message::methodCall(const QString& path, const QString& interface, const QString& member)
{
    const QByteArray pathBytes = path.toUtf8();
    const QByteArray interfaceBytes = interface.toUtf8();
    const QByteArray memberBytes = member.toUtf8();
    if (pathBytes.contains('\0') || interfaceBytes.contains('\0') || memberBytes.contains('\0'))
        return {};
    if (!dbus_validate_path(pathBytes.constData(), nullptr) || !dbus_validate_member(memberBytes.constData(), nullptr))
        return {};
    if (!interface.isEmpty() && !dbus_validate_interface(interfaceBytes.constData(), nullptr))
        return {};
    return Message(dbus_message_new_method_call(nullptr, pathBytes.constData(),
                                                interface.isEmpty() ? nullptr : interfaceBytes.constData(),
                                                memberBytes.constData()));
}

Message Message::replyTo(const Message& call)
{
    if (!call.isMethodCall() || call.serial() == 0)
        return {};
    return Message(dbus_message_new_method_return(call.message_));
}

Message Message::errorTo(const Message& call, const QString& errorName, const QString& text)
{
    const QByteArray name = errorName.toUtf8();
    if (!call.isMethodCall() || call.serial() == 0 || name.contains('\0') ||
        !dbus_validate_error_name(name.constData(), nullptr))
        return {};
    return Message(dbus_message_new_error(call.message_, name.constData(), wireText(text).constData()));
}

bool Message::isMethodCall() const
{
    return message_ && dbus_message_get_type(message_) == DBUS_MESSAGE_TYPE_METHOD_CALL;
}

bool Message::isReply() const
{
    return message_ && dbus_message_get_type(message_) == DBUS_MESSAGE_TYPE_METHOD_RETURN;
}

bool Message::isError() const { return message_ && dbus_message_get_type(message_) == DBUS_MESSAGE_TYPE_ERROR; }

bool Message::isSignal(const char* interface, const char* member) const
{
    return message_ && dbus_message_is_signal(message_, interface, member);
}

bool Message::wantsReply() const { return isMethodCall() && !dbus_message_get_no_reply(message_); }

void Message::setNoReply()
{
    if (message_)
        dbus_message_set_no_reply(message_, TRUE);
}

quint32 Message::serial() const { return message_ ? dbus_message_get_serial(message_) : 0; }

void Message::setSerial(quint32 serial)
{
    if (message_ && serial != 0)
        dbus_message_set_serial(message_, serial);
}

quint32 Message::replySerial() const { return message_ ? dbus_message_get_reply_serial(message_) : 0; }

QString Message::path() const { return message_ ? textOf(dbus_message_get_path(message_)) : QString(); }

QString Message::interface() const { return message_ ? textOf(dbus_message_get_interface(message_)) : QString(); }

QString Message::member() const { return message_ ? textOf(dbus_message_get_member(message_)) : QString(); }

QString Message::signature() const { return message_ ? textOf(dbus_message_get_signature(message_)) : QString(); }

QString Message::errorName() const { return message_ ? textOf(dbus_message_get_error_name(message_)) : QString(); }

QString Message::errorText() const
{
    DBusMessageIter iter;
    if (!isError() || !dbus_message_iter_init(message_, &iter) || dbus_message_iter_get_arg_type(&iter) != DBUS_TYPE_STRING)
        return QString();
    const char* text = nullptr;
    dbus_message_iter_get_basic(&iter, &text);
    return textOf(text);
}

bool Message::appendBytes(const QByteArray& bytes)
{
    if (!message_ || bytes.size() > MaxArrayBytes)
        return false;
    const char* data = bytes.constData();
    return dbus_message_append_args(message_, DBUS_TYPE_ARRAY, DBUS_TYPE_BYTE, &data, int(bytes.size()),
                                    DBUS_TYPE_INVALID);
}

std::optional<QByteArray> Message::bytes() const
{
    if (!message_ || std::strcmp(dbus_message_get_signature(message_), "ay") != 0)
        return std::nullopt;
    DBusMessageIter iter;
    DBusMessageIter array;
    if (!dbus_message_iter_init(message_, &iter))
        return std::nullopt;
    dbus_message_iter_recurse(&iter, &array);
    const char* data = nullptr;
    int length = 0;
    // An empty array has no element to point at.
    if (dbus_message_iter_get_arg_type(&array) == DBUS_TYPE_BYTE)
        dbus_message_iter_get_fixed_array(&array, &data, &length);
    return QByteArray(data, length);
}

}  // namespace remote
