#pragma once
// The running-object table of CAD hosts: the running application registered
// under its class name ("autocad.application"), and factories that start a new
// one. Class names are matched without regard to case. One per program
// environment; nothing is registered unless a host has been.

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

    void registerRunning(const QString& className, std::shared_ptr<Application> application);
    void unregisterRunning(const QString& className);
    void registerFactory(const QString& className, Factory factory);
    void unregisterFactory(const QString& className);

    bool isRunning(const QString& className) const;

    // The running application; 429 when none is registered.
    std::shared_ptr<Application> getObject(const QString& className) const;
    // A new application from the factory, which then is the running one (a
    // started host registers itself); 429 when there is no factory or it
    // fails.
    std::shared_ptr<Application> createObject(const QString& className);

private:
    static QString key(const QString& className) { return className.toLower(); }

    QHash<QString, std::shared_ptr<Application>> running_;
    QHash<QString, Factory> factories_;
};

}  // namespace cad
