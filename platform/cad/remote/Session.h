#pragma once
// One connection as the host sees it: the handles handed out over it and the
// objects behind them, the dispatch of a call by its member's name through the
// member table (decode the arguments, call the real object, encode the
// result), and what the connection's subscriptions undo when it closes. It
// knows nothing of the transport, so any bytes can be fed to it; whatever a
// call holds, the answer is a result or a numbered error, never a crash.

#include "platform/cad/remote/ObjectBridge.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace cad {
class Application;
}

namespace remote {

class Session : public ObjectBridge {
public:
    using Log = std::function<void(const QString&)>;
    // Makes the host's stand-in for a handler the tool exported under `id`.
    using CallbackFactory = std::function<std::shared_ptr<RemoteCallback>(quint64 id)>;

    struct Request {
        QString path;
        QString interface;
        QString member;
        QByteArray arguments;
    };

    struct Answer {
        bool ok = true;
        QByteArray result;
        int32_t number = 0;
        QString description;
    };

    Session(std::shared_ptr<cad::Application> application, CallbackFactory callbacks, Log log);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Answer handle(const Request& request);
    // A "release" call: gives back the count of references it carries.
    void release(const Request& request);
    // Releases every handle and undoes the subscriptions; later calls fail.
    void close();
    bool isClosed() const { return closed_; }
    int handleCount() const { return int(entries_.size()); }

    void writeObject(WireWriter& out, const std::shared_ptr<void>& object, const InterfaceInfo& declared) override;
    std::shared_ptr<void> readObject(WireReader& in, const InterfaceInfo& expected) override;
    void writeCallback(WireWriter& out, CallbackInvoker invoker) override;
    std::shared_ptr<RemoteCallback> readCallback(WireReader& in) override;
    void undoOnClose(std::function<void()> undo) override;

private:
    struct Entry {
        std::shared_ptr<void> object;  // as its kind
        const InterfaceInfo* kind = nullptr;
        quint64 handedOut = 0;
    };

    Answer dispatch(const Request& request);
    const Entry& entryOf(quint64 handle) const;

    std::shared_ptr<cad::Application> application_;
    CallbackFactory callbacks_;
    Log log_;
    QHash<quint64, Entry> entries_;
    // The handle of each object as each interface it was handed out as.
    std::map<std::pair<const void*, const InterfaceInfo*>, quint64> handles_;
    quint64 nextHandle_ = 1;
    std::vector<std::function<void()>> undo_;
    bool closed_ = false;
};

}  // namespace remote
