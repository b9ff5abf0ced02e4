#include "platform/cad/HostRegistry.h"

#include "platform/cad/CadErrors.h"
#include "platform/runtime/Error.h"

namespace cad {

void HostRegistry::registerRunning(const QString& className, std::shared_ptr<Application> application)
{
    if (!application)
        unregisterRunning(className);
    else
        running_.insert(key(className), std::move(application));
}

void HostRegistry::unregisterRunning(const QString& className) { running_.remove(key(className)); }

void HostRegistry::registerFactory(const QString& className, Factory factory)
{
    if (!factory)
        unregisterFactory(className);
    else
        factories_.insert(key(className), std::move(factory));
}

void HostRegistry::unregisterFactory(const QString& className) { factories_.remove(key(className)); }

bool HostRegistry::isRunning(const QString& className) const { return running_.contains(key(className)); }

std::shared_ptr<Application> HostRegistry::getObject(const QString& className) const
{
    const auto found = running_.constFind(key(className));
    if (found == running_.constEnd())
        raise(err::CannotCreateObject);
    return found.value();
}

std::shared_ptr<Application> HostRegistry::createObject(const QString& className)
{
    const auto found = factories_.constFind(key(className));
    if (found == factories_.constEnd())
        raise(err::CannotCreateObject);
    std::shared_ptr<Application> application;
    try {
        application = found.value()();
    } catch (const runtime::Error&) {
        // A host that fails to start is, to the caller, a host that cannot be
        // created.
        raise(err::CannotCreateObject);
    }
    if (!application)
        raise(err::CannotCreateObject);
    running_.insert(key(className), application);
    return application;
}

}  // namespace cad
