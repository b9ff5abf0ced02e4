#include "batch/pollent/SingleDocumentMode.h"

#include "batch/pollent/Session.h"
#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/Error.h"

#include <QVariant>

namespace pollent {

namespace {
const QString Sdi = QStringLiteral("SDI");
}

int16_t SingleDocumentMode::read(Session& session)
{
    return runtime::toInt16(session.document().getVariable(Sdi).toString());
}

bool SingleDocumentMode::switchOn(Session& session, int16_t current)
{
    if (current != 0)
        return true;
    cad::Document& document = session.document();
    if (document.application()->documents()->count() >= 2) {
        session.env.ui->msgBox(QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please"),
                               forms::msgbox::Information);
        return false;
    }
    document.setVariable(Sdi, QVariant::fromValue<qint16>(1));
    return true;
}

void SingleDocumentMode::putBack(Session& session)
{
    if (!session.SavedSdi)
        return;
    session.document().setVariable(Sdi, QVariant::fromValue<qint16>(*session.SavedSdi));
}

void SingleDocumentMode::putBackAtEnd(Session& session)
{
    try {
        putBack(session);
    } catch (const runtime::Error&) {
    }
}

}  // namespace pollent
