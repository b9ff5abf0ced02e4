#include "shared/ReportError.h"

#include "platform/cad/Application.h"
#include "platform/cad/HostRegistry.h"
#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "shared/AcadConnection.h"

namespace suite {

namespace {

// The plain boxes of the dispatch table; an empty text means "not one of them".
QString plainBoxText(int32_t number, bool registryCorruptBox)
{
    switch (number) {
    case 1009:
    case 1015:
        return registryCorruptBox ? QStringLiteral("The Registry Database is corrupt!") : QString();
    case 2:
    case 1010: return QStringLiteral("Bad Key Name");
    case 1011: return QStringLiteral("Can't Open Key");
    case 4:
    case 1012: return QStringLiteral("Can't Read Key");
    case 5: return QStringLiteral("Access to this key is denied");
    case 1013: return QStringLiteral("Can't Write Key");
    case 8:
    case 14: return QStringLiteral("Out of memory");
    case 87: return QStringLiteral("Invalid Parameter");
    case 234: return QStringLiteral("There is more data than the buffer has been allocated to hold.");
    default: return {};
    }
}
}  // namespace

ReportError::ReportError(env::Environment& env, ReportErrorVariant variant)
    : env_(env), variant_(std::move(variant))
{
}

QString ReportError::questionText(const QString& location, const runtime::Error& error)
{
    return QStringLiteral("Error#") + QString::number(error.number()) + QStringLiteral(" Location: ")
        + location + QStringLiteral("\r\nDescription: ") + error.description()
        + QStringLiteral("\r\nHow do you want to continue?");
}

Reporter ReportError::at(const QString& location)
{
    return [this, location](const runtime::Error& e) { return report(location, e); };
}

Resume ReportError::report(const QString& location, const runtime::Error& error)
{
    const QString plain = plainBoxText(error.number(), variant_.registryCorruptBox);
    if (!plain.isEmpty()) {
        env_.ui->msgBox(plain, forms::msgbox::OkOnly);
        return Resume::Leave;
    }
    if (error.number() == runtime::err::CannotCreateObject)
        return hostNotRunning(error);

    if (variant_.beforeQuestion)
        variant_.beforeQuestion();
    const int answer = env_.ui->msgBox(questionText(location, error),
                                       forms::msgbox::AbortRetryIgnore | forms::msgbox::Exclamation,
                                       QStringLiteral("Error"));
    switch (answer) {
    case forms::msgbox::Retry:
        return Resume::Retry;
    case forms::msgbox::Ignore:
        return Resume::Next;
    default:
        // Abort. Files are read and written whole inside one call, so none is
        // held open here that would need closing first.
        runtime::endProgram();
    }
}

const QString ReportError::HostNotStarted = QStringLiteral("AutoCAD could not be started.");

Resume ReportError::hostNotRunning(const runtime::Error& error)
{
    env_.ui->msgBox(QStringLiteral("Autocad Not Running\r\nDescription: ") + error.description(),
                    forms::msgbox::Critical,
                    QStringLiteral("Error# ") + QString::number(error.number()));
    if (!variant_.startHostInto)
        runtime::endProgram();

    if (env_.ui->msgBox(QStringLiteral("Open AutoCAD To Continue"), forms::msgbox::YesNo)
        != forms::msgbox::Yes)
        runtime::endProgram();

    // A failure of the start leaves the references as they were. A host that
    // cannot be started at all is said so plainly: the caller then goes on
    // without one, and nothing may claim that one runs.
    AcadConnection& conn = *variant_.startHostInto;
    if (runtime::passOver([&] { conn.application = env_.hosts->createObject(cad::HostClassName); })) {
        env_.ui->msgBox(HostNotStarted, forms::msgbox::Exclamation);
        return Resume::Leave;
    }
    env_.clock->doEvents();
    runtime::passOver([&] { conn.document = conn.application->activeDocument(); });
    return Resume::Leave;
}

}  // namespace suite
