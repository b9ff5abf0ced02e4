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

void HostRegistry::registerLocator(const QString& className, Locator locator)
{
    if (!locator)
        unregisterLocator(className);
    else
        locators_.insert(key(className), std::move(locator));
}

void HostRegistry::unregisterLocator(const QString& className) { locators_.remove(key(className)); }

std::shared_ptr<Application> HostRegistry::locate(const QString& className) const
{
    const auto found = locators_.constFind(key(className));
    if (found == locators_.constEnd())
        return nullptr;
    try {
        return found.value()();
    } catch (const runtime::Error&) {
        // A host that cannot be reached is, to the caller, no host.
        return nullptr;
    }
}

bool HostRegistry::isRunning(const QString& className) const
{
    return running_.contains(key(className)) || locate(className) != nullptr;
}

std::shared_ptr<Application> HostRegistry::getObject(const QString& className) const
{
    const auto found = running_.constFind(key(className));
    if (found != running_.constEnd())
        return found.value();
    std::shared_ptr<Application> located = locate(className);
    if (!located)
        raise(err::CannotCreateObject);
    return located;
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
    if (!locators_.contains(key(className)))
        running_.insert(key(className), application);
    return application;
}

}  // namespace cad
