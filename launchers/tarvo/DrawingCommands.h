#pragma once
// The launcher's commands on the drawing that is active in the host, as plain
// routines over the document they are handed: the file manager's command
// line for a folder, binding every external reference, and purging twice with
// a pause between.

#include "platform/runtime/Error.h"

#include <QList>
#include <QString>

namespace cad { class Document; }
namespace runtime { class Clock; }

namespace tarvo {

// An external reference that would not bind, and why.
struct BindFailure {
    QString name;
    runtime::Error error;
};

class DrawingCommands {
public:
    // The pause between the two purges.
    static constexpr qint64 PurgePauseMs = 1000;

    // "explorer.exe /e, " and the folder, whatever the folder holds.
    static QString explorerCommand(const QString& folder);

    // Binds every external reference of the drawing, with its names kept as a
    // prefix. The names are taken before the first bind, since binding changes
    // the block table; a block that is no longer an external reference when
    // its turn comes (an earlier bind took it in) is left alone. A reference
    // that fails does not stop the others. Raises only when the block table
    // itself cannot be read.
    static QList<BindFailure> bindAllXrefs(cad::Document& document);

    // The failures as one description for the launcher's report.
    static QString describe(const QList<BindFailure>& failures);

    // PurgeAll, a pause of one second on the clock (nothing else runs
    // meanwhile), PurgeAll again.
    static void purgeTwice(cad::Document& document, runtime::Clock& clock);
};

}  // namespace tarvo
