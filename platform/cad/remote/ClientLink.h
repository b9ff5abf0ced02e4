#pragma once
// A tool's connection to the host: sends member calls and waits for their
// answers (running the host's calls to the tool's handlers meanwhile), keeps
// one proxy per handle while the proxy lives, so the same host object is the
// same object in the tool, tells the host when a proxy goes, and keeps the
// tool's exported handlers. Once the connection drops, every call raises
// "The RPC server is unavailable." Used from the tool's main thread; the
// host's calls to its handlers that arrive while the tool is idle run through
// that thread's event loop.

#include "platform/cad/remote/Channel.h"

#include <QHash>
#include <QString>
#include <memory>

namespace cad {
class Application;
}

namespace remote {

class InterfaceInfo;
class Message;
class PeerLink;

class ClientLink : public Channel, public std::enable_shared_from_this<ClientLink> {
public:
    // The link to the host listening on the socket; null when none answers.
    static std::shared_ptr<ClientLink> connect(const QString& socketPath);
    ~ClientLink() override;
    ClientLink(const ClientLink&) = delete;
    ClientLink& operator=(const ClientLink&) = delete;

    bool isConnected() const;
    // The host's application object.
    std::shared_ptr<cad::Application> application();
    // How long an ordinary call may take (calls that wait for the user have
    // no limit).
    void setCallTimeout(int milliseconds) { callTimeoutMs_ = milliseconds; }
    // Proxies alive and handlers exported (tests look at them).
    int proxyCount() const { return int(proxies_.size()); }
    int handlerCount() const { return int(handlers_.size()); }

    QByteArray invoke(quint64 handle, const MemberInfo& member, const QByteArray& arguments) override;
    void proxyGone(quint64 handle, const ProxyBase* proxy, quint64 references) noexcept override;

    void writeObject(WireWriter& out, const std::shared_ptr<void>& object, const InterfaceInfo& declared) override;
    std::shared_ptr<void> readObject(WireReader& in, const InterfaceInfo& expected) override;
    void writeCallback(WireWriter& out, CallbackInvoker invoker) override;
    std::shared_ptr<RemoteCallback> readCallback(WireReader& in) override;

private:
    struct Cached {
        std::weak_ptr<void> object;  // as its kind
        ProxyBase* proxy = nullptr;
        const InterfaceInfo* kind = nullptr;
    };

    explicit ClientLink(std::shared_ptr<PeerLink> link);
    void listen();
    QByteArray send(const QString& path, const QString& interface, const QString& member,
                    const QByteArray& arguments, int timeoutMs);
    void serve(const Message& call);

    std::shared_ptr<PeerLink> link_;
    QHash<quint64, Cached> proxies_;
    QHash<quint64, CallbackInvoker> handlers_;
    quint64 nextHandler_ = 1;
    int callTimeoutMs_;
};

}  // namespace remote
