#pragma once
// A handler that lives at the other end of a connection (a tool's event
// handler, as the host holds it): calling it sends the arguments across and
// waits, for a bounded time, until the handler has run.

#include <functional>

namespace remote {

class ObjectBridge;
class WireWriter;

class RemoteCallback {
public:
    using ArgumentWriter = std::function<void(WireWriter&, ObjectBridge&)>;

    virtual ~RemoteCallback() = default;
    virtual void invoke(const ArgumentWriter& writeArguments) = 0;
};

}  // namespace remote
