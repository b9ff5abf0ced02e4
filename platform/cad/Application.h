#pragma once
// The running CAD application: its documents, preferences, zoom, and the
// event it raises when a command begins.

#include "platform/cad/Document.h"
#include "platform/cad/Documents.h"
#include "platform/cad/Preferences.h"

#include <QString>
#include <functional>
#include <memory>

namespace cad {

// ZoomScaled scale types.
namespace zoomScale {
inline constexpr int Absolute = 0;
inline constexpr int Relative = 1;
inline constexpr int RelativeToPaperSpace = 2;
}  // namespace zoomScale

class Application {
public:
    using BeginCommandHandler = std::function<void(const QString& commandName)>;

    virtual ~Application() = default;

    virtual std::shared_ptr<Document> activeDocument() const = 0;
    virtual std::shared_ptr<Documents> documents() const = 0;
    virtual std::shared_ptr<Preferences> preferences() const = 0;
    virtual void zoomExtents() = 0;
    virtual void zoomScaled(double scale, int scaleType) = 0;

    // The BeginCommand event: the handler is called with the command's name
    // each time a command begins, until it is unsubscribed.
    virtual int subscribeBeginCommand(BeginCommandHandler handler) = 0;
    virtual void unsubscribeBeginCommand(int subscription) = 0;
};

}  // namespace cad
