#include "platform/cad/standin/DrawingObject.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/HostContext.h"

namespace standin {

std::shared_ptr<Drawing> DrawingObject::alive() const
{
    std::shared_ptr<Drawing> drawing = drawing_.lock();
    if (drawing)
        drawing->context().checkRunning();
    // Assumption: the host refuses calls on an object that was erased or
    // whose drawing is no longer open with its general exception error.
    if (erased_)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the object was erased"));
    if (!drawing || drawing->isClosed())
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the object's drawing is not open"));
    return drawing;
}

std::shared_ptr<Drawing> DrawingObject::enter(const QString& member) const
{
    std::shared_ptr<Drawing> drawing = alive();
    drawing->context().enter(member);
    return drawing;
}

std::shared_ptr<Drawing> DrawingObject::act(const QString& member, const QString& detail) const
{
    std::shared_ptr<Drawing> drawing = alive();
    drawing->context().act(member, detail);
    return drawing;
}

std::shared_ptr<Drawing> DrawingObject::change(const QString& member, const QString& detail) const
{
    std::shared_ptr<Drawing> drawing = act(member, detail);
    drawing->touch();
    return drawing;
}

}  // namespace standin
