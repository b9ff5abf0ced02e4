#include "shared/AcadConnection.h"

#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/runtime/Error.h"

namespace suite {

cad::Application& AcadConnection::app() const
{
    if (!application)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    return *application;
}

cad::Document& AcadConnection::doc() const
{
    if (!document)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    return *document;
}

}  // namespace suite
