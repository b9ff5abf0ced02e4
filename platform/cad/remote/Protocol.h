#pragma once
// The fixed names, numbers and limits of the host protocol, shared by the
// serving and the calling end (README.md beside this file describes the
// protocol whole): object paths, interface names, how an error travels, and
// the bounds both ends hold to.

#include "platform/runtime/Error.h"

#include <QString>
#include <climits>
#include <cstdint>
#include <optional>

namespace remote::protocol {

// Every interface of the object model travels as "org.tarvo.cad.<Name>".
inline const QString InterfacePrefix = QStringLiteral("org.tarvo.cad.");

// Objects are handles: "/o/<handle>", handle a decimal number from 1 up.
inline const QString ObjectPathPrefix = QStringLiteral("/o/");

// The one object every connection starts from: its member "application"
// answers the host's application object.
inline const QString HostPath = QStringLiteral("/host");
inline const QString HostInterface = QStringLiteral("org.tarvo.cad.Host");
inline const QString ApplicationMember = QStringLiteral("application");

// "release" on an object path gives back references to a handle (a
// fire-and-forget call carrying the count); the serving end frees the handle
// when all it handed out came back.
inline const QString HandleInterface = QStringLiteral("org.tarvo.cad.Handle");
inline const QString ReleaseMember = QStringLiteral("release");

// Callbacks the calling end exports on the same connection: "invoke" runs
// one (the serving end waits for the answer), "release" drops it.
inline const QString CallbackPathPrefix = QStringLiteral("/c/");
inline const QString CallbackInterface = QStringLiteral("org.tarvo.cad.Callback");
inline const QString InvokeMember = QStringLiteral("invoke");

// A host error travels as a D-Bus error named after its number (eight
// upper-case hexadecimal digits of the 32-bit code), its message the
// description.
inline const QString ErrorPrefix = QStringLiteral("org.tarvo.cad.Error.E");

// A call's body: one byte array of encoded values; larger ones are refused.
inline constexpr qsizetype MaxPayloadBytes = 1 << 20;
// A message the host reads at all: up to this, a call over MaxPayloadBytes is
// answered with the refusal; a larger one ends the connection that sent it.
inline constexpr long MaxMessageBytes = 16L << 20;
// Handles one connection may hold at once.
inline constexpr int MaxHandlesPerConnection = 1000000;
// How long the host waits for a tool's event handler.
inline constexpr int EventReplyTimeoutMs = 5000;
// How long a tool waits for an ordinary call; calls that wait for the person
// at the host (prompts, selections, preview) wait without limit.
inline constexpr int CallTimeoutMs = 5 * 60 * 1000;
inline constexpr int UnboundedTimeoutMs = INT_MAX;

// Numbers the protocol itself answers with.
namespace err {
// More or fewer arguments than the member takes.
inline constexpr int32_t WrongArgumentCount = 450;
// A handle the host does not know (released, or never handed out).
inline constexpr int32_t ObjectDisconnected = static_cast<int32_t>(0x80010108u);
}  // namespace err

QString wrongArgumentCountDescription();
QString objectDisconnectedDescription();

// "/o/<handle>".
QString objectPath(quint64 handle);
// The handle of an object path; nothing when the path is not one.
std::optional<quint64> handleOfPath(const QString& path);
// "/c/<id>" and back.
QString callbackPath(quint64 id);
std::optional<quint64> callbackOfPath(const QString& path);

// The D-Bus error name a host error number travels under, and back.
QString errorName(int32_t number);
std::optional<int32_t> numberOfErrorName(const QString& name);

// The error a failed call raises at the calling end: a host error as the host
// raised it; a link that broke, or a call that got no answer in time, as
// "The RPC server is unavailable."; anything else as the host's exception
// error with the text attached.
runtime::Error errorOfReply(const QString& name, const QString& message);

// True for the D-Bus errors that mean the host is gone or did not answer.
bool isUnavailable(const QString& errorName);

}  // namespace remote::protocol
