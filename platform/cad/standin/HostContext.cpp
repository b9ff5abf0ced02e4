#include "platform/cad/standin/HostContext.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/SystemVariables.h"

namespace standin {

HostContext::HostContext(files::FileSystem& files) : files_(files), devices_(DeviceCatalogue::standard())
{
    for (const SystemVariable& variable : SystemVariables::all()) {
        if (variable.scope == VariableScope::Application)
            appVariables_.insert(variable.name, variable.initial);
    }
}

void HostContext::setProfile(const ProfileState& profile)
{
    profile_ = profile;
    if (stateObserver_)
        stateObserver_();
}

QVariant HostContext::appVariable(const QString& name) const { return appVariables_.value(name); }

void HostContext::setAppVariable(const QString& name, const QVariant& value)
{
    appVariables_.insert(name, value);
    // The last prompt changes with every question; it is not kept.
    if (stateObserver_ && name != QLatin1String("LASTPROMPT"))
        stateObserver_();
}

void HostContext::checkRunning() const
{
    // Assumption: a host that has ended answers every call through an object
    // a tool still holds with the RPC server's unavailability, whatever the
    // object.
    if (!running_)
        cad::raise(cad::err::RpcServerUnavailable);
}

void HostContext::act(const QString& member, const QString& detail)
{
    checkRunning();
    journal_.record(detail.isEmpty() ? member : member + QLatin1Char(' ') + detail);
    if (actionObserver_)
        actionObserver_();
    failures_.check(member);
}

}  // namespace standin
