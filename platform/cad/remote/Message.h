#pragma once
// One D-Bus message as both ends handle it: owns its libdbus reference, makes
// the calls, answers and errors of the protocol, and reads and writes the one
// byte array every body is. libdbus ends the program on a name or text that
// breaks the D-Bus rules, so every name and text is checked here first: a
// call whose names are not valid D-Bus names is not made (the message is
// null), and an error's text that is not valid UTF-8 travels replaced.

#include <QByteArray>
#include <QString>
#include <optional>

struct DBusMessage;

namespace remote {

class Message {
public:
    Message() = default;
    // Takes over a reference the caller owned.
    static Message adopt(DBusMessage* message);
    ~Message();
    Message(Message&& other) noexcept;
    Message& operator=(Message&& other) noexcept;
    Message(const Message&) = delete;
    Message& operator=(const Message&) = delete;

    // A method call; an empty interface is none. Null when a name is invalid.
    static Message methodCall(const QString& path, const QString& interface, const QString& member);
    // The answer to `call`, and a D-Bus error in answer to it. Null when the
    // call is null or has no serial yet (was never sent), or the error's
    // name is invalid.
    static Message replyTo(const Message& call);
    static Message errorTo(const Message& call, const QString& errorName, const QString& text);

    explicit operator bool() const { return message_ != nullptr; }
    DBusMessage* get() const { return message_; }

    bool isMethodCall() const;
    bool isReply() const;
    bool isError() const;
    bool isSignal(const char* interface, const char* member) const;
    bool wantsReply() const;
    void setNoReply();
    quint32 serial() const;
    quint32 replySerial() const;
    // The serial a message gets when it is sent; for a call made up in
    // place of one that came (the fuzz target).
    void setSerial(quint32 serial);

    QString path() const;
    QString interface() const;
    QString member() const;
    QString signature() const;
    QString errorName() const;
    // The text of an error (its first argument when that is a string).
    QString errorText() const;

    // Appends one byte array as the body; false when it is larger than a
    // D-Bus array may be.
    bool appendBytes(const QByteArray& bytes);
    // The body when it is exactly one byte array.
    std::optional<QByteArray> bytes() const;

    // Largest byte array one message can carry.
    static constexpr qsizetype MaxArrayBytes = qsizetype(1) << 26;

private:
    explicit Message(DBusMessage* message) : message_(message) {}
    DBusMessage* message_ = nullptr;
};

}  // namespace remote
