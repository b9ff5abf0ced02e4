#pragma once
// How objects and callbacks cross a connection, which each end does its own
// way: the host turns an object into a handle and a handle back into the
// object; a tool turns a handle into its proxy and a proxy back into its
// handle. The codecs of Codec.h call through this for every object value, so
// the member table needs no knowledge of which end it runs on.

#include "platform/cad/remote/RemoteCallback.h"

#include <functional>
#include <memory>

namespace remote {

class InterfaceInfo;
class WireReader;
class WireWriter;

// Decodes a callback's arguments and runs it.
using CallbackInvoker = std::function<void(WireReader& arguments, class ObjectBridge& bridge)>;

class ObjectBridge {
public:
    virtual ~ObjectBridge() = default;

    // Writes a non-null object whose static type is `declared`; `object`
    // points at that interface.
    virtual void writeObject(WireWriter& out, const std::shared_ptr<void>& object, const InterfaceInfo& declared) = 0;
    // Reads an object reference (the null value is handled by the codec) and
    // yields a pointer to its `expected` interface; 13 when the object lacks it.
    virtual std::shared_ptr<void> readObject(WireReader& in, const InterfaceInfo& expected) = 0;

    // A tool passes a handler: it stays with the tool and travels as an id.
    virtual void writeCallback(WireWriter& out, CallbackInvoker invoker) = 0;
    // The host receives a handler: a stand-in that calls the tool.
    virtual std::shared_ptr<RemoteCallback> readCallback(WireReader& in) = 0;

    // Something to undo when the connection closes (a subscription made over
    // it); an end that keeps no connections of others ignores it.
    virtual void undoOnClose(std::function<void()> undo) { (void)undo; }
};

}  // namespace remote
