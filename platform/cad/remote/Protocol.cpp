#include "platform/cad/remote/Protocol.h"

#include "platform/cad/CadErrors.h"

#include <QStringList>

namespace remote::protocol {

namespace {
std::optional<quint64> numberAfter(const QString& prefix, const QString& path)
{
    if (!path.startsWith(prefix))
        return std::nullopt;
    const QStringView digits = QStringView(path).mid(prefix.size());
    // Digits only, no sign or leading zero, at most 20 of them.
    if (digits.isEmpty() || digits.size() > 20 || (digits.size() > 1 && digits.front() == u'0'))
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const quint64 value = digits.toULongLong(&ok);
    if (!ok || value == 0)
        return std::nullopt;
    return value;
}
}  // namespace

QString wrongArgumentCountDescription()
{
    return QStringLiteral("Wrong number of arguments or invalid property assignment");
}

QString objectDisconnectedDescription()
{
    return QStringLiteral("The object invoked has disconnected from its clients.");
}

QString objectPath(quint64 handle) { return ObjectPathPrefix + QString::number(handle); }

std::optional<quint64> handleOfPath(const QString& path) { return numberAfter(ObjectPathPrefix, path); }

QString callbackPath(quint64 id) { return CallbackPathPrefix + QString::number(id); }

std::optional<quint64> callbackOfPath(const QString& path) { return numberAfter(CallbackPathPrefix, path); }

QString errorName(int32_t number)
{
    return ErrorPrefix + QStringLiteral("%1").arg(static_cast<quint32>(number), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<int32_t> numberOfErrorName(const QString& name)
{
    if (!name.startsWith(ErrorPrefix) || name.size() != ErrorPrefix.size() + 8)
        return std::nullopt;
    const QStringView hex = QStringView(name).mid(ErrorPrefix.size());
    for (QChar c : hex) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return std::nullopt;
    }
    bool ok = false;
    const quint32 value = hex.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

bool isUnavailable(const QString& errorName)
{
    static const QStringList names = {
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
        QStringLiteral("org.freedesktop.DBus.Error.Timeout"),
        QStringLiteral("org.freedesktop.DBus.Error.TimedOut"),
        QStringLiteral("org.freedesktop.DBus.Error.NoServer"),
        QStringLiteral("org.freedesktop.DBus.Error.NoNetwork"),
    };
    return names.contains(errorName);
}

runtime::Error errorOfReply(const QString& name, const QString& message)
{
    if (const std::optional<int32_t> number = numberOfErrorName(name))
        return runtime::Error(*number, message);
    if (isUnavailable(name))
        return runtime::Error(cad::err::RpcServerUnavailable, cad::hostDescription(cad::err::RpcServerUnavailable));
    return runtime::Error(cad::err::ExceptionOccurred,
                          cad::hostDescription(cad::err::ExceptionOccurred) + QStringLiteral(": ") + name +
                              QStringLiteral(" ") + message);
}

}  // namespace remote::protocol
