#include "launchers/tarvo/DrawingCommands.h"

#include "platform/cad/Block.h"
#include "platform/cad/Blocks.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/PassOver.h"

#include <QStringList>
#include <memory>

namespace tarvo {

QString DrawingCommands::explorerCommand(const QString& folder)
{
    return QStringLiteral("explorer.exe") + QStringLiteral(" /e, ") + folder;
}

QList<BindFailure> DrawingCommands::bindAllXrefs(cad::Document& document)
{
    QStringList names;
    for (const std::shared_ptr<cad::Block>& block : document.blocks()->items()) {
        if (block->isXRef())
            names.append(block->name());
    }

    QList<BindFailure> failures;
    for (const QString& name : names) {
        const std::optional<runtime::Error> failed = runtime::passOver([&] {
            const std::shared_ptr<cad::Block> block = document.blocks()->item(name);
            if (block && block->isXRef())
                block->bind(true);
        });
        // A reference gone from the table went in with an earlier bind.
        if (failed && failed->number() != cad::err::KeyNotFound)
            failures.append({name, *failed});
    }
    return failures;
}

QString DrawingCommands::describe(const QList<BindFailure>& failures)
{
    QStringList parts;
    for (const BindFailure& failure : failures)
        parts.append(failure.name + QStringLiteral(" (") + failure.error.description() + u')');
    return QStringLiteral("Xrefs not bound: ") + parts.join(QStringLiteral(", "));
}

void DrawingCommands::purgeTwice(cad::Document& document, runtime::Clock& clock)
{
    document.purgeAll();
    // Measured on the monotonic clock: a change of the wall clock, or
    // midnight, neither shortens nor stretches the pause.
    const qint64 start = clock.nowMs();
    for (qint64 waited = 0; waited < PurgePauseMs; waited = clock.nowMs() - start)
        clock.sleepMs(PurgePauseMs - waited);
    document.purgeAll();
}

}  // namespace tarvo
