#pragma once
// The running-object table of CAD hosts: the running application registered
// under its class name ("autocad.application"), locators that find one running
// in another process, and factories that start a new one. Class names are
// matched without regard to case. One per program environment; nothing is
// registered unless a host has been.

#include "platform/cad/Application.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

namespace cad {

inline const QString HostClassName = QStringLiteral("autocad.application");

class HostRegistry {
public:
    using Factory = std::function<std::shared_ptr<Application>()>;
    // Finds a host that runs outside this table: null, or a raised error, when
    // none runs now. Asked anew on every look-up, so a host that ended is no
    // longer found.
    using Locator = std::function<std::shared_ptr<Application>()>;

    void registerRunning(const QString& className, std::shared_ptr<Application> application);
    void unregisterRunning(const QString& className);
    void registerFactory(const QString& className, Factory factory);
    void unregisterFactory(const QString& className);
    void registerLocator(const QString& className, Locator locator);
    void unregisterLocator(const QString& className);

    bool isRunning(const QString& className) const;

    // The running application: the one registered, else the one the locator
    // finds; 429 when there is none.
    std::shared_ptr<Application> getObject(const QString& className) const;
    // A new application from the factory, which then is the running one (a
    // started host registers itself; one a locator serves is left to the
    // locator, which stops finding it when it ends); 429 when there is no
    // factory or it fails.
    std::shared_ptr<Application> createObject(const QString& className);

private:
    static QString key(const QString& className) { return className.toLower(); }
    std::shared_ptr<Application> locate(const QString& className) const;

    QHash<QString, std::shared_ptr<Application>> running_;
    QHash<QString, Factory> factories_;
    QHash<QString, Locator> locators_;
};

}  // namespace cad
