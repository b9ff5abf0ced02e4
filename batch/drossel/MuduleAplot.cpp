#include "batch/drossel/MuduleAplot.h"

#include "batch/drossel/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "shared/SingleDocumentMode.h"

namespace drossel {

MuduleAplot::MuduleAplot(env::Environment& env)
    : env_(env), settings_(*env.settings), sdi_(std::make_shared<suite::SingleDocumentMode>(conn))
{
    // However the program ends (its window closed, a failed re-attach, a
    // plot that ends it), the host gets its single-document setting back.
    env_.dispatcher->atEnd([mode = std::weak_ptr<suite::SingleDocumentMode>(sdi_)] {
        if (const auto held = mode.lock())
            held->putBackPassingOver();
    });
}

MuduleAplot::~MuduleAplot() = default;

bool MuduleAplot::AcadProj() { return suite::acadProj(env_, conn, AttachVariant); }

}  // namespace drossel
