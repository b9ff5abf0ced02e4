#pragma once
// The host's application as a tool holds it: its documents, preferences,
// zoom, and the command-start event (a handler stays with the tool; the host
// calls it across the connection).

#include "platform/cad/Application.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class ApplicationProxy : public cad::Application, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    std::shared_ptr<cad::Document> activeDocument() const override { return call(&cad::Application::activeDocument); }
    std::shared_ptr<cad::Documents> documents() const override { return call(&cad::Application::documents); }
    std::shared_ptr<cad::Preferences> preferences() const override { return call(&cad::Application::preferences); }
    void zoomExtents() override { return call(&cad::Application::zoomExtents); }
    void zoomScaled(double scale, int scaleType) override { return call(&cad::Application::zoomScaled, scale, scaleType); }
    int subscribeBeginCommand(cad::Application::BeginCommandHandler handler) override { return call(&cad::Application::subscribeBeginCommand, handler); }
    void unsubscribeBeginCommand(int subscription) override { return call(&cad::Application::unsubscribeBeginCommand, subscription); }
};

}  // namespace remote
